#include "file_bytes.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/text_file.h"

namespace ruvo::batch::test {

std::string slurp(const std::string& path) { return readFileBytes(path).value_or(""); }

void put(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  EXPECT_TRUE(writeFileBytes(path, bytes)) << path;
}

}  // namespace ruvo::batch::test
