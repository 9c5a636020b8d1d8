#pragma once
// A fresh, uniquely named folder under the system temporary folder (any
// number may exist at once), removed with all its content when it goes.

#include <string>

namespace ruvo::testing {

class TempFolder {
 public:
  TempFolder();
  explicit TempFolder(const std::string& prefix);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& name) const;

 private:
  std::string m_path;
};

}  // namespace ruvo::testing
