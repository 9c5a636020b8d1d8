// ruvo-batch's reading of a script: the bytes decoded and split as a script
// file is, parsed into statements, and every command, operand and if
// operand expanded and split into words as the interpreter would before
// running it. The program runner is never reached.

#include <string>

#include "script/expander.h"
#include "script/script.h"
#include "script/words.h"
#include "core/text_codec.h"
#include "core/text_file.h"
#include "fuzz/fuzz_targets.h"

namespace ruvo::fuzz {

namespace {

using batch::Statement;

std::string expandAll(const std::vector<Statement>& statements, batch::Variables& variables,
                      const std::vector<std::string>& arguments) {
  for (const Statement& statement : statements) {
    if (statement.line < 1) return "statement without a line number";
    for (const std::string* text : {&statement.text, &statement.right}) {
      const std::string expanded = batch::expandPercent(*text, variables, arguments);
      for (const std::string& word : batch::splitWords(expanded)) {
        (void)batch::unquote(word);
        (void)batch::pathOperand(word);
      }
      // Values that hold '%' must come back verbatim, never expanded again.
      variables.set("v", expanded);
    }
    if (auto fault = expandAll(statement.body, variables, arguments); !fault.empty()) return fault;
  }
  return {};
}

}  // namespace

std::string batchScript(Bytes bytes) {
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const batch::Script script = batch::parseScript("fuzz.bat", splitLines(cp932ToUtf8(raw)));
  (void)batch::countCalls(script.statements);
  batch::Variables variables;
  variables.set("x", "%x%");
  variables.set("helper", "h.bat");
  return expandAll(script.statements, variables, {"fuzz.bat", "a b", "%1", "\"q\""});
}

}  // namespace ruvo::fuzz
