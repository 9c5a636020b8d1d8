#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace ruvo::testing {

TempFolder::TempFolder() : TempFolder("ruvo") {}

TempFolder::TempFolder(const std::string& prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a folder from " + pattern);
  m_path = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

std::string TempFolder::operator/(const std::string& name) const {
  return (std::filesystem::path(m_path) / name).string();
}

}  // namespace ruvo::testing
