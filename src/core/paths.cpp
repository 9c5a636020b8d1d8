#include "core/paths.h"

#include <algorithm>

namespace ruvo {

namespace {
size_t lastSeparator(std::string_view path) { return path.find_last_of("/\\"); }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string folderOf(std::string_view path) {
  size_t pos = lastSeparator(path);
  return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos));
}

std::string fileNameOf(std::string_view path) {
  size_t pos = lastSeparator(path);
  return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string baseNameOf(std::string_view path) {
  std::string name = fileNameOf(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string extensionOf(std::string_view path) {
  std::string name = fileNameOf(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string joinPath(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string result(folder);
  if (result.back() != '/') result += '/';
  result += name;
  return result;
}

std::string nativePath(std::string_view path) {
  std::string result(path);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

std::string resolvePath(std::string_view folder, std::string_view path) {
  std::string native = nativePath(path);
  if (native.empty() || native.front() == '/') return native;
  return joinPath(nativePath(folder), native);
}

bool equalsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && equalsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

bool staysInsideFolder(std::string_view relativeName) {
  if (relativeName.empty()) return true;
  if (relativeName[0] == '/' || relativeName[0] == '\\') return false;
  if (relativeName.size() >= 2 && relativeName[1] == ':') return false;
  size_t start = 0;
  while (start <= relativeName.size()) {
    size_t end = relativeName.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = relativeName.size();
    if (relativeName.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace ruvo
