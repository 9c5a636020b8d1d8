#include "test_files.h"

#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <sys/stat.h>

#include "core/text_file.h"

namespace ruvo::testing {

void makeFile(const std::string& path, int64_t size, std::time_t modified) {
  {
    std::ofstream out(path, std::ios::binary);
    out.seekp(size > 0 ? size - 1 : 0);
    if (size > 0) out.put('\0');
  }
  struct timespec times[2] = {{modified, 0}, {modified, 0}};
  if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) throw std::runtime_error("utimensat failed");
}

void makeFile(const std::string& path, const std::string& content) {
  if (!writeFileBytes(path, content)) throw std::runtime_error("cannot write " + path);
}

bool exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace ruvo::testing
