#pragma once
// A fresh folder under the system temporary folder, removed with its contents
// when the test ends.

#include <filesystem>
#include <string>
#include <unistd.h>

namespace ruvo::testing {

class TempFolder {
 public:
  explicit TempFolder(const std::string& name) {
    m_path = std::filesystem::temp_directory_path() / (name + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string path() const { return m_path.string(); }
  std::string operator/(const std::string& name) const { return (m_path / name).string(); }

 private:
  std::filesystem::path m_path;
};

}  // namespace ruvo::testing
