#pragma once
// Runs batch scripts of the kind ruvo writes for its projects, with the
// effects the Windows command interpreter would have:
//   @, rem, set, %name% / %0..%9 / %* / %% expansion, call, if exist,
//   if not exist, if [/i] [not] a==b with else, blocks over several lines,
//   del, mkdir (md), copy with '+', and a program named by its path.
// Anything else is reported on the diagnostics stream with the script name
// and line number, and the script goes on. A program's exit status never
// stops a script.
//
// Diagnostics look like "ruvo-batch: song.bat line 7: <what happened>".
// Each "call" of the top-level script first writes "progress K N", where N
// is the number of call commands in that script and K counts from 1.
// With a go-ahead stream, each such call first waits for one line of it (a
// program that makes the notes ahead of the script says when each is
// ready); once that stream has ended, calls go on without waiting.

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "script/script.h"
#include "script/variables.h"
#include "core/error.h"

namespace ruvo::batch {

// Starts one program and waits for it: (resolved path, arguments, folder,
// environment) -> exit status. The default is spawnAndWait.
using ProgramStarter = std::function<Result<int>(const std::string&, const std::vector<std::string>&,
                                                 const std::string&, const std::vector<std::string>&)>;

struct InterpreterOptions {
  std::string folder;      // the current folder: relative paths and programs start here
  Variables variables;     // the starting variables (normally the process environment)
  std::ostream* diagnostics = nullptr;  // progress and problems; required
  ProgramStarter starter;  // empty: spawnAndWait
  std::istream* goAhead = nullptr;  // see the top of this file; nullptr: never wait
};

class Interpreter {
 public:
  explicit Interpreter(InterpreterOptions options);

  // Runs the script file; `arguments` become %1, %2, ... and %0 is `path` as
  // given. Fails only when the script cannot be read.
  [[nodiscard]] Result<void> runFile(const std::string& path, const std::vector<std::string>& arguments);

  // Runs script text already split into lines (UTF-8), as runFile does.
  void runLines(const std::string& name, const std::vector<std::string>& lines, const std::vector<std::string>& arguments);

  const Variables& variables() const { return m_options.variables; }

 private:
  struct Frame {
    const Script* script = nullptr;
    std::vector<std::string> arguments;  // %0, %1, ...
    bool topLevel = false;
  };
  enum class Flow { Continue, EndScript };

  void runScript(const Script& script, std::vector<std::string> arguments, bool topLevel);
  Flow execute(const Statement& statement, const Frame& frame);
  Flow runCommand(const Statement& statement, const Frame& frame);
  Flow runCall(const std::vector<std::string>& words, const Statement& statement, const Frame& frame);
  Flow runProgram(const std::vector<std::string>& words, const Statement& statement, const Frame& frame);
  void runSet(std::string_view operand, const Statement& statement, const Frame& frame);
  void runScriptFile(const std::string& path, std::vector<std::string> arguments, const Statement& statement,
                     const Frame& frame);
  std::ostream& report(const Statement& statement, const Frame& frame);

  InterpreterOptions m_options;
  int m_depth = 0;
  int m_callsStarted = 0;
  int m_callsTotal = 0;
};

}  // namespace ruvo::batch
