#include "core/program_lookup.h"

#include <sys/stat.h>
#include <unistd.h>

#include "core/paths.h"

namespace ruvo {

namespace {

bool isCandidate(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  return isScriptName(path) || ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

bool isScriptName(const std::string& path) { return endsWithNoCase(path, ".bat") || endsWithNoCase(path, ".cmd"); }

std::optional<std::string> findProgram(const std::string& name, const std::string& folder, const std::string& searchPath) {
  if (name.empty()) return std::nullopt;
  std::string inFolder = resolvePath(folder, name);
  if (isCandidate(inFolder)) return inFolder;
  if (name.find('/') != std::string::npos) return std::nullopt;
  size_t start = 0;
  while (start <= searchPath.size()) {
    size_t end = searchPath.find(':', start);
    if (end == std::string::npos) end = searchPath.size();
    std::string entry = searchPath.substr(start, end - start);
    std::string candidate = resolvePath(entry.empty() ? folder : resolvePath(folder, entry), name);
    if (isCandidate(candidate)) return candidate;
    start = end + 1;
  }
  return std::nullopt;
}

}  // namespace ruvo
