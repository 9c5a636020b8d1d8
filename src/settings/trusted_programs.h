#pragma once
// The programs the user has allowed projects to start beyond the configured
// tools: one absolute path per line in "trusted_programs.txt" beside
// setting.ini (a file of its own: the settings file's keys are fixed). The
// first line is the file's own header, so a file of another kind is never
// mistaken for it. UTF-8 with LF line ends.

#include <set>
#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo {

class TrustedPrograms {
 public:
  // "trusted_programs.txt" in the folder of the settings file.
  static std::string fileBeside(const std::string& settingsFile);

  // A missing file trusts nothing and is no error. A file that cannot be
  // read, lacks the header or holds a line that is not an absolute path is
  // an error: the caller trusts nothing and tells the user.
  [[nodiscard]] static Result<TrustedPrograms> load(const std::string& file);

  // Replaces the file whole (a failed write keeps the old one).
  [[nodiscard]] Result<void> save(const std::string& file) const;

  // Adds `programs` to the list in `file` and writes it back; a file that
  // cannot be read or is damaged is an error and stays as it was.
  [[nodiscard]] static Result<void> addToFile(const std::string& file, const std::vector<std::string>& programs);

  bool contains(const std::string& program) const { return m_programs.count(program) != 0; }
  // `program` must be absolute; other paths are not added.
  void add(const std::string& program);
  const std::set<std::string>& programs() const { return m_programs; }

 private:
  std::set<std::string> m_programs;
};

}  // namespace ruvo
