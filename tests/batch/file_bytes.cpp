#include "test_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace ruvo::batch::test {

namespace fs = std::filesystem;

TestFolder::TestFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("ruvo_batch_") + (info ? info->test_suite_name() + std::string("_") + info->name() : "x");
  m_path = (fs::temp_directory_path() / name).string();
  fs::remove_all(m_path);
  fs::create_directories(m_path);
}

TestFolder::~TestFolder() {
  std::error_code ec;
  fs::remove_all(m_path, ec);
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void put(const std::string& path, const std::string& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace ruvo::batch::test
