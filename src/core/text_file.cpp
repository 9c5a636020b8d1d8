#include "core/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "core/text_codec.h"

namespace ruvo {

Result<std::string> readFileBytes(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return fail(ErrorCode::NotFound, path + ": " + std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return fail(ErrorCode::Unreadable, path + ": is a folder");
  std::ifstream in(path, std::ios::binary);
  if (!in) return fail(ErrorCode::Unreadable, path + ": cannot be opened for reading");
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return fail(ErrorCode::Unreadable, path + ": read error");
  return buffer.str();
}

Result<void> writeFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return fail(ErrorCode::Unwritable, path + ": cannot be opened for writing: " + std::strerror(errno));
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) return fail(ErrorCode::Unwritable, path + ": write error");
  return {};
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    size_t stop = end;
    if (stop > start && text[stop - 1] == '\r') --stop;
    lines.emplace_back(text.substr(start, stop - start));
    start = next;
  }
  return lines;
}

Result<std::vector<std::string>> readTextLines(const std::string& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return tl::unexpected(bytes.error());
  return splitLines(cp932ToUtf8(*bytes));
}

Result<void> writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return writeFileBytes(path, utf8ToCp932(text));
}

}  // namespace ruvo
