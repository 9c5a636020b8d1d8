#pragma once
// A fresh, empty folder per test, removed afterwards.

#include <string>

namespace ruvo::batch::test {

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

// Whole file as bytes ("" when missing); writes bytes, creating parents.
std::string slurp(const std::string& path);
void put(const std::string& path, const std::string& bytes);

}  // namespace ruvo::batch::test
