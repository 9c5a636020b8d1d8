#include "settings/wav_listing.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "core/paths.h"

namespace ruvo {

bool isWavName(const std::string& name) { return endsWithNoCase(name, ".wav"); }

Result<std::vector<WavFileEntry>> listWavFiles(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<WavFileEntry> files;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) {
    if (ec == std::errc::no_such_file_or_directory) return files;
    return fail(ErrorCode::Unreadable, folder + ": " + ec.message());
  }
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    std::string name = it->path().filename().string();
    if (!isWavName(name)) continue;
    WavFileEntry entry{joinPath(folder, name), name, 0, 0};
    struct stat info {};
    if (::lstat(entry.path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    entry.size = static_cast<int64_t>(info.st_size);
    entry.modified = info.st_mtime;
    files.push_back(std::move(entry));
  }
  if (ec) return fail(ErrorCode::Unreadable, folder + ": " + ec.message());
  return files;
}

Deletion deleteWavFile(const WavFileEntry& entry) {
  if (::unlink(entry.path.c_str()) == 0) return Deletion::Deleted;
  return errno == ENOENT ? Deletion::Vanished : Deletion::Kept;
}

}  // namespace ruvo
