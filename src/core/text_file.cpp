#include "core/text_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/text_codec.h"
#include "core/unique_fd.h"

namespace ruvo {

namespace {

// Opens a file to read it whole, and tells what it is in `info`: not a
// folder; errors named after the path.
Result<UniqueFd> openForReading(const std::string& path, struct stat& info) {
  UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file) {
    const int error = errno;
    return fail(error == ENOENT ? ErrorCode::NotFound : ErrorCode::Unreadable, path + ": " + std::strerror(error));
  }
  if (::fstat(file.get(), &info) != 0) return fail(ErrorCode::Unreadable, path + ": " + std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return fail(ErrorCode::Unreadable, path + ": is a folder");
  return file;
}

// Reads the open file block by block to its end, handing each block on.
template <typename Sink>
Result<void> readBlocks(int fd, const std::string& path, Sink sink) {
  char block[65536];
  while (true) {
    const ssize_t got = ::read(fd, block, sizeof block);
    if (got == 0) return {};
    if (got < 0) {
      if (errno == EINTR) continue;
      return fail(ErrorCode::Unreadable, path + ": read error: " + std::strerror(errno));
    }
    if (auto taken = sink(std::string_view(block, static_cast<size_t>(got))); !taken) return taken;
  }
}

}  // namespace

Result<std::string> readFileBytes(const std::string& path) {
  // Plain descriptors rather than streams: the resampler reads its frequency
  // table through here once per note, and stream start-up costs it more than
  // the read.
  struct stat info {};
  auto file = openForReading(path, info);
  if (!file) return tl::unexpected(file.error());
  std::string bytes;
  if (S_ISREG(info.st_mode)) bytes.reserve(static_cast<size_t>(info.st_size));
  auto read = readBlocks(file->get(), path, [&](std::string_view block) -> Result<void> {
    bytes.append(block);
    return {};
  });
  if (!read) return tl::unexpected(read.error());
  return bytes;
}

namespace {

// Writes all of `bytes` to the open descriptor, retrying short writes.
bool writeAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(written);
  }
  return true;
}

// The file a write lands in: the target of a symbolic link, so that
// replacing the file keeps the link.
std::string writeTarget(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_symlink(path, ec)) return path;
  auto target = std::filesystem::canonical(path, ec);
  return ec ? path : target.string();
}

tl::unexpected<Error> writeError(const std::string& path, int error) {
  return fail(ErrorCode::Unwritable, path + ": write error: " + std::strerror(error));
}

// Replaces the file with what `fill` writes to the side file's descriptor,
// as writeFileBytes describes. An error from fill is returned as it is.
template <typename Fill>
Result<void> replaceFile(const std::string& path, Fill fill) {
  std::string target = writeTarget(path);
  std::filesystem::path targetPath(target);
  std::string folder = targetPath.parent_path().string();
  std::string side = (folder.empty() ? std::string() : folder + "/") + "." + targetPath.filename().string() + ".XXXXXX";
  int fd = ::mkstemp(side.data());
  if (fd < 0) return fail(ErrorCode::Unwritable, path + ": cannot be opened for writing: " + std::strerror(errno));
  struct stat old {};
  mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0;
  if (mode == 0) {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  Result<void> filled = fill(fd);
  bool ok = filled && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::rename(side.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(side.c_str());
    if (!filled) return filled;
    return writeError(path, error);
  }
  return {};
}

}  // namespace

Result<void> writeFileBytes(const std::string& path, std::string_view bytes) {
  return replaceFile(path, [&](int fd) -> Result<void> {
    if (!writeAll(fd, bytes)) return writeError(path, errno);
    return {};
  });
}

Result<void> writeFileJoined(const std::string& path, const std::vector<std::string>& sources) {
  // Every source is opened before the side file is made, so a missing one
  // fails the write at once; a source that is the file itself is read from
  // the old file, which the open descriptor keeps.
  std::vector<UniqueFd> opened;
  for (const std::string& source : sources) {
    struct stat info {};
    auto file = openForReading(source, info);
    if (!file) return tl::unexpected(file.error());
    opened.push_back(std::move(*file));
  }
  return replaceFile(path, [&](int fd) -> Result<void> {
    for (size_t i = 0; i < sources.size(); ++i) {
      auto copied = readBlocks(opened[i].get(), sources[i], [&](std::string_view block) -> Result<void> {
        if (!writeAll(fd, block)) return writeError(path, errno);
        return {};
      });
      if (!copied) return copied;
    }
    return {};
  });
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

TextDocument textDocumentFromBytes(std::string_view bytes) {
  TextDocument document;
  DecodedText decoded = decodeDetected(bytes);
  document.encoding = decoded.encoding;
  size_t firstEnd = decoded.text.find('\n');
  if (firstEnd != std::string::npos && (firstEnd == 0 || decoded.text[firstEnd - 1] != '\r'))
    document.lineEnd = "\n";
  document.finalLineEnd = decoded.text.empty() || decoded.text.back() == '\n';
  document.lines = splitLines(decoded.text);
  return document;
}

Result<TextDocument> readTextDocument(const std::string& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return tl::unexpected(bytes.error());
  return textDocumentFromBytes(*bytes);
}

std::string textDocumentBytes(const TextDocument& document) {
  std::string text;
  for (size_t i = 0; i < document.lines.size(); ++i) {
    text += document.lines[i];
    if (i + 1 < document.lines.size() || document.finalLineEnd) text += document.lineEnd;
  }
  return encodeAs(text, document.encoding);
}

Result<void> writeTextDocument(const std::string& path, const TextDocument& document) {
  return writeFileBytes(path, textDocumentBytes(document));
}

}  // namespace ruvo
