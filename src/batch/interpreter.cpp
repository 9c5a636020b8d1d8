#include "batch/interpreter.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <utility>

#include "script/expander.h"
#include "batch/file_commands.h"
#include "batch/program_runner.h"
#include "script/words.h"
#include "core/paths.h"
#include "core/program_lookup.h"
#include "core/text_file.h"

namespace ruvo::batch {

namespace {

// Deeper calls are refused, so a script that calls itself ends instead of
// exhausting the stack.
constexpr int kMaxCallDepth = 200;

// Commands of the Windows interpreter that scripts here do not use. They are
// reported rather than handed to a same-named program of this system.
constexpr std::array<std::string_view, 30> kUnsupportedCommands = {
    "echo",  "goto", "exit",  "cd",     "chdir", "pushd",  "popd", "setlocal", "endlocal", "shift",
    "for",   "pause", "cls",  "type",   "ren",   "rename", "move", "title",    "start",    "dir",
    "rd",    "rmdir", "color", "ver",   "vol",   "path",   "prompt", "verify", "mklink",   "choice"};

std::string lowerAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

// A copy of the statement with every piece of text percent-expanded; done
// once for a whole statement (a block included) before any of it runs.
Statement expandStatement(const Statement& statement, const Variables& variables,
                          const std::vector<std::string>& arguments) {
  Statement result = statement;
  if (statement.kind != Statement::Kind::Invalid) {
    result.text = expandPercent(statement.text, variables, arguments);
    result.right = expandPercent(statement.right, variables, arguments);
  }
  for (Statement& inner : result.body) inner = expandStatement(inner, variables, arguments);
  return result;
}

// The text after the command's first word and the blanks that follow it.
std::string_view operandOf(std::string_view text, std::string_view firstWord) {
  size_t start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  std::string_view rest = text.substr(std::min(text.size(), start + firstWord.size()));
  size_t begin = rest.find_first_not_of(" \t");
  return begin == std::string_view::npos ? std::string_view() : rest.substr(begin);
}

}  // namespace

Interpreter::Interpreter(InterpreterOptions options) : m_options(std::move(options)) {
  if (!m_options.starter) m_options.starter = spawnAndWait;
}

Result<void> Interpreter::runFile(const std::string& path, const std::vector<std::string>& arguments) {
  auto lines = readTextLines(resolveOperand(m_options.folder, path));
  if (!lines) return tl::unexpected(lines.error());
  runLines(path, *lines, arguments);
  return {};
}

void Interpreter::runLines(const std::string& path, const std::vector<std::string>& lines,
                           const std::vector<std::string>& arguments) {
  Script script = parseScript(fileNameOf(path), lines);
  m_callsTotal = countCalls(script.statements);
  m_callsStarted = 0;
  std::vector<std::string> all{path};
  all.insert(all.end(), arguments.begin(), arguments.end());
  runScript(script, std::move(all), true);
}

void Interpreter::runScript(const Script& script, std::vector<std::string> arguments, bool topLevel) {
  Frame frame{&script, std::move(arguments), topLevel};
  ++m_depth;
  for (const Statement& statement : script.statements) {
    Statement expanded = expandStatement(statement, m_options.variables, frame.arguments);
    if (execute(expanded, frame) == Flow::EndScript) break;
  }
  --m_depth;
}

std::ostream& Interpreter::report(const Statement& statement, const Frame& frame) {
  return *m_options.diagnostics << "ruvo-batch: " << frame.script->name << " line " << statement.line << ": ";
}

Interpreter::Flow Interpreter::execute(const Statement& statement, const Frame& frame) {
  bool condition = false;
  switch (statement.kind) {
    case Statement::Kind::Invalid:
      report(statement, frame) << "syntax error: " << statement.text << '\n';
      return Flow::Continue;
    case Statement::Kind::Command:
      return runCommand(statement, frame);
    case Statement::Kind::Block:
      for (const Statement& inner : statement.body)
        if (execute(inner, frame) == Flow::EndScript) return Flow::EndScript;
      return Flow::Continue;
    case Statement::Kind::IfExist: {
      std::error_code ec;
      condition = std::filesystem::exists(resolveOperand(m_options.folder, statement.text), ec);
      break;
    }
    case Statement::Kind::IfEqual:
      condition = statement.ignoreCase ? equalsNoCase(statement.text, statement.right) : statement.text == statement.right;
      break;
  }
  if (statement.negate) condition = !condition;
  if (condition) return execute(statement.body.at(0), frame);
  if (statement.body.size() > 1) return execute(statement.body[1], frame);
  return Flow::Continue;
}

Interpreter::Flow Interpreter::runCommand(const Statement& statement, const Frame& frame) {
  std::vector<std::string> words = splitWords(statement.text);
  if (words.empty()) return Flow::Continue;
  std::string name = lowerAscii(words.front());
  std::vector<std::string> operands(words.begin() + 1, words.end());
  Result<void> done;
  if (name == "rem") {
    return Flow::Continue;
  } else if (name == "set") {
    runSet(operandOf(statement.text, words.front()), statement, frame);
  } else if (name == "call") {
    return runCall(words, statement, frame);
  } else if (name == "del" || name == "erase") {
    done = deleteFiles(m_options.folder, operands);
  } else if (name == "mkdir" || name == "md") {
    done = makeFolders(m_options.folder, operands);
  } else if (name == "copy") {
    done = copyFiles(m_options.folder, operands);
  } else if (std::find(kUnsupportedCommands.begin(), kUnsupportedCommands.end(), name) != kUnsupportedCommands.end()) {
    report(statement, frame) << "unknown command: " << words.front() << '\n';
  } else {
    return runProgram(words, statement, frame);
  }
  if (!done) report(statement, frame) << name << ": " << done.error().message << '\n';
  return Flow::Continue;
}

void Interpreter::runSet(std::string_view operand, const Statement& statement, const Frame& frame) {
  // set "name=value" ends the value at the last quote, so trailing text and
  // blanks after it are not part of the value.
  if (!operand.empty() && operand.front() == '"') {
    size_t last = operand.rfind('"');
    operand = last == 0 ? operand.substr(1) : operand.substr(1, last - 1);
  }
  size_t eq = operand.find('=');
  if (eq == std::string_view::npos || eq == 0) {
    report(statement, frame) << "set needs name=value: set " << operand << '\n';
    return;
  }
  m_options.variables.set(operand.substr(0, eq), std::string(operand.substr(eq + 1)));
}

Interpreter::Flow Interpreter::runCall(const std::vector<std::string>& words, const Statement& statement,
                                       const Frame& frame) {
  if (frame.topLevel && m_options.goAhead) {
    std::string line;
    std::getline(*m_options.goAhead, line);
  }
  if (frame.topLevel) *m_options.diagnostics << "progress " << ++m_callsStarted << ' ' << m_callsTotal << '\n';
  if (words.size() < 2) {
    report(statement, frame) << "call without a script\n";
    return Flow::Continue;
  }
  const std::string& target = words[1];
  const std::string* searchPath = m_options.variables.find("PATH");
  auto found = findProgram(pathOperand(target), m_options.folder, searchPath ? *searchPath : std::string());
  if (found && isScriptName(*found)) {
    runScriptFile(*found, std::vector<std::string>(words.begin() + 1, words.end()), statement, frame);
    return Flow::Continue;
  }
  runProgram(std::vector<std::string>(words.begin() + 1, words.end()), statement, frame);
  return Flow::Continue;
}

Interpreter::Flow Interpreter::runProgram(const std::vector<std::string>& words, const Statement& statement,
                                          const Frame& frame) {
  const std::string* searchPath = m_options.variables.find("PATH");
  auto found = findProgram(pathOperand(words.front()), m_options.folder, searchPath ? *searchPath : std::string());
  if (!found) {
    report(statement, frame) << "not a command or program: " << words.front() << '\n';
    return Flow::Continue;
  }
  if (isScriptName(*found)) {
    // A script named without "call" takes over: the current one does not resume.
    runScriptFile(*found, words, statement, frame);
    return Flow::EndScript;
  }
  std::vector<std::string> arguments;
  arguments.reserve(words.size() - 1);
  for (size_t i = 1; i < words.size(); ++i) arguments.push_back(pathOperand(words[i]));
  auto status = m_options.starter(*found, arguments, m_options.folder, m_options.variables.environment());
  if (!status) report(statement, frame) << status.error().message << '\n';
  return Flow::Continue;
}

void Interpreter::runScriptFile(const std::string& path, std::vector<std::string> arguments,
                                const Statement& statement, const Frame& frame) {
  if (m_depth >= kMaxCallDepth) {
    report(statement, frame) << "calls nested too deeply: " << arguments.front() << '\n';
    return;
  }
  auto lines = readTextLines(path);
  if (!lines) {
    report(statement, frame) << lines.error().message << '\n';
    return;
  }
  Script script = parseScript(fileNameOf(path), *lines);
  runScript(script, std::move(arguments), false);
}

}  // namespace ruvo::batch
