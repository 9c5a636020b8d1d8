#include "render/script_calls.h"

#include <unistd.h>

#include <algorithm>

#include "script/expander.h"
#include "script/script.h"
#include "script/variables.h"
#include "script/words.h"
#include "core/numbers.h"
#include "core/paths.h"
#include "core/text_file.h"

namespace ruvo {

namespace {

// The cached helper, piece by piece: the note's cache file is named without
// the note index only for volume 100, modulation 100 and no pitch curve (with
// the script's cache tag, if any, after the length), and the resampler is
// started only when that file is missing.
constexpr std::string_view kSharedParams = "100 100 ";
constexpr std::string_view kSharedName = "%1_%2_%6%cachetag%.wav";
constexpr std::string_view kIndexedName = "%9_%1_%2_%6%cachetag%.wav";
constexpr std::string_view kCacheFolder = "%cachedir%";
constexpr std::string_view kResamplerLine = R"("%resamp%" "%oto%\%1.wav" "%temp%" %2 100 %flag%L %5 %6 %7 %8 %params%)";
constexpr size_t kArgumentsFrom = 3;  // program, recording and output come first

std::string lowerAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return result;
}

// "set name=value" and set "name=value", as the interpreter reads them.
void runSet(std::string_view command, std::string_view firstWord, batch::Variables& variables) {
  std::string_view operand = command.substr(std::min(command.size(), command.find_first_not_of(" \t")));
  operand.remove_prefix(std::min(operand.size(), firstWord.size()));
  operand.remove_prefix(std::min(operand.size(), operand.find_first_not_of(" \t")));
  if (!operand.empty() && operand.front() == '"') {
    size_t last = operand.rfind('"');
    operand = last == 0 ? operand.substr(1) : operand.substr(1, last - 1);
  }
  size_t eq = operand.find('=');
  if (eq == std::string_view::npos || eq == 0) return;
  variables.set(operand.substr(0, eq), std::string(operand.substr(eq + 1)));
}

ResamplerCall expandHelper(batch::Variables variables, const std::vector<std::string>& arguments,
                           const std::string& scriptFolder) {
  auto expand = [&](std::string_view text) { return batch::expandPercent(text, variables, arguments); };
  const std::string* params = variables.find("params");
  ResamplerCall call;
  if (arguments.size() > 9) {
    auto index = parseLeadingNumber(arguments[9]);
    if (index && index->length == arguments[9].size()) call.noteIndex = clampToInt32(index->value);
  }
  call.cacheFolder = batch::resolveOperand(scriptFolder, expand(kCacheFolder));
  call.cacheName = expand(params && *params == kSharedParams ? kSharedName : kIndexedName);
  const std::string temp = expand(kCacheFolder) + "\\" + call.cacheName;
  call.cacheFile = batch::resolveOperand(scriptFolder, temp);
  variables.set("temp", temp);

  std::vector<std::string> words = batch::splitWords(expand(kResamplerLine));
  call.resampler = words.empty() ? std::string() : batch::pathOperand(words[0]);
  call.recording = words.size() > 1 ? batch::resolveOperand(scriptFolder, words[1]) : std::string();
  for (size_t i = kArgumentsFrom; i < words.size(); ++i) call.arguments.push_back(batch::pathOperand(words[i]));
  call.folder = scriptFolder;
  call.environment = variables.environment();
  return call;
}

}  // namespace

Result<std::vector<ResamplerCall>> readResamplerCalls(const std::string& scriptPath) {
  auto lines = readTextLines(nativePath(scriptPath));
  if (!lines) return tl::unexpected(lines.error());
  const std::string folder = nativePath(folderOf(scriptPath));
  const batch::Script script = batch::parseScript(fileNameOf(scriptPath), *lines);
  batch::Variables variables = batch::Variables::fromEnvironment(environ);
  const std::vector<std::string> scriptArguments{scriptPath};

  std::vector<ResamplerCall> calls;
  for (const batch::Statement& statement : script.statements) {
    if (statement.kind != batch::Statement::Kind::Command) continue;
    const std::string text = batch::expandPercent(statement.text, variables, scriptArguments);
    const std::vector<std::string> words = batch::splitWords(text);
    if (words.empty()) continue;
    const std::string command = lowerAscii(words.front());
    if (command == "set") {
      runSet(text, words.front(), variables);
    } else if (command == "call" && words.size() > 1) {
      calls.push_back(expandHelper(variables, std::vector<std::string>(words.begin() + 1, words.end()), folder));
    }
  }
  return calls;
}

}  // namespace ruvo
