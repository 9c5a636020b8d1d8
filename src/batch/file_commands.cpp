#include "batch/file_commands.h"

#include <filesystem>
#include <system_error>

#include "script/words.h"
#include "core/paths.h"
#include "core/text_file.h"

namespace ruvo::batch {

namespace fs = std::filesystem;

namespace {

bool isSwitch(const std::string& word) { return word.size() == 2 && word[0] == '/'; }

// Appends problem to the message collected so far.
void note(std::string& problems, const std::string& problem) {
  if (!problems.empty()) problems += "; ";
  problems += problem;
}

Result<void> outcome(const std::string& problems) {
  if (problems.empty()) return {};
  return fail(ErrorCode::Failed, problems);
}

// Splits copy operands at each '+' outside quotes; "" stands for a '+'.
std::vector<std::string> copyTokens(const std::vector<std::string>& operands) {
  std::vector<std::string> tokens;
  for (const std::string& word : operands) {
    std::string piece;
    bool quoted = false;
    for (char c : word) {
      if (c == '"') quoted = !quoted;
      if (c == '+' && !quoted) {
        if (!piece.empty()) tokens.push_back(piece);
        tokens.emplace_back();
        piece.clear();
        continue;
      }
      piece += c;
    }
    if (!piece.empty()) tokens.push_back(piece);
  }
  return tokens;
}

}  // namespace

Result<void> deleteFiles(const std::string& folder, const std::vector<std::string>& operands) {
  std::string problems;
  for (const std::string& word : operands) {
    if (isSwitch(word)) continue;
    std::string path = resolveOperand(folder, word);
    std::error_code ec;
    fs::file_status status = fs::symlink_status(path, ec);
    if (ec || !fs::exists(status)) continue;
    if (fs::is_directory(status)) {
      note(problems, "will not delete the folder " + path);
      continue;
    }
    if (!fs::remove(path, ec)) note(problems, "cannot delete " + path + ": " + ec.message());
  }
  return outcome(problems);
}

Result<void> makeFolders(const std::string& folder, const std::vector<std::string>& operands) {
  std::string problems;
  for (const std::string& word : operands) {
    // A switch such as /Y is never a folder to create at the root.
    if (isSwitch(word)) continue;
    std::string path = resolveOperand(folder, word);
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec || !fs::is_directory(path)) note(problems, "cannot create the folder " + path + (ec ? ": " + ec.message() : ""));
  }
  return outcome(problems);
}

Result<void> copyFiles(const std::string& folder, const std::vector<std::string>& operands) {
  std::vector<std::string> sources;
  std::vector<std::string> rest;
  bool joinNext = true;
  for (const std::string& token : copyTokens(operands)) {
    if (isSwitch(token)) {
      if (token[1] == 'a' || token[1] == 'A') return fail(ErrorCode::BadArgument, "text mode (/A) is not supported");
      continue;
    }
    if (token.empty()) {
      if (sources.empty() || !rest.empty()) return fail(ErrorCode::BadArgument, "misplaced +");
      joinNext = true;
      continue;
    }
    if (joinNext && rest.empty()) {
      sources.push_back(resolveOperand(folder, token));
      joinNext = false;
    } else {
      rest.push_back(resolveOperand(folder, token));
    }
  }
  if (sources.empty()) return fail(ErrorCode::BadArgument, "no source file");
  if (joinNext) return fail(ErrorCode::BadArgument, "+ without a file after it");
  if (rest.size() > 1) return fail(ErrorCode::BadArgument, "too many operands");

  std::string destination;
  if (!rest.empty()) {
    destination = rest.front();
  } else if (sources.size() > 1) {
    destination = sources.front();
  } else {
    destination = joinPath(folder, fileNameOf(sources.front()));
  }
  std::error_code ec;
  if (fs::is_directory(destination, ec)) destination = joinPath(destination, fileNameOf(sources.front()));
  if (sources.size() == 1 && fs::equivalent(sources.front(), destination, ec))
    return fail(ErrorCode::BadArgument, "cannot copy " + destination + " onto itself");

  for (const std::string& source : sources)
    if (!fs::is_regular_file(source, ec)) return fail(ErrorCode::NotFound, "no such file " + source);
  return writeFileJoined(destination, sources);
}

}  // namespace ruvo::batch
