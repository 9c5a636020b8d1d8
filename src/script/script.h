#pragma once
// The parsed form of a batch script. Structure (blocks, if/else) is found on
// the raw text, before any %variable% is expanded, so a value that holds a
// parenthesis or a quote never changes how the script is grouped; the text
// of each command is kept raw and expanded only when it is about to run.

#include <string>
#include <vector>

namespace ruvo::batch {

struct Statement {
  enum class Kind {
    Command,  // text: the raw command line (or the part of it up to ')' in a block)
    Block,    // body: the statements between '(' and ')'
    IfExist,  // text: the raw path operand; body: then [, else]
    IfEqual,  // text, right: the raw operands; body: then [, else]
    Invalid,  // text: what is wrong; reported when the script reaches it
  };
  Kind kind = Kind::Command;
  int line = 0;  // 1-based line of the script where the statement starts
  std::string text;
  std::string right;
  bool negate = false;      // "if not"
  bool ignoreCase = false;  // "if /i"
  std::vector<Statement> body;
};

struct Script {
  std::string name;  // the file name, for diagnostics
  std::vector<Statement> statements;
};

// Parses decoded script lines. Never fails: a malformed statement becomes an
// Invalid statement that names the fault.
Script parseScript(std::string name, const std::vector<std::string>& lines);

// Number of "call" commands anywhere in the statements, blocks included.
int countCalls(const std::vector<Statement>& statements);

}  // namespace ruvo::batch
