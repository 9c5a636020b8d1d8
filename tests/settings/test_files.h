#pragma once
// A fresh, uniquely named folder under the system temporary folder (any
// number may exist at once), removed with all its content when the test
// ends, and helpers to put files with a given size and modification time
// into it.

#include <cstdint>
#include <ctime>
#include <string>

namespace ruvo::testing {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return m_path; }
  std::string file(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

// Writes `size` bytes to the file and sets its modification time.
void makeFile(const std::string& path, int64_t size, std::time_t modified);
void makeFile(const std::string& path, const std::string& content = "x");
bool exists(const std::string& path);

}  // namespace ruvo::testing
