#pragma once
// Settings of ruvo's own, for which setting.ini has no key: "ruvo_settings.txt"
// beside setting.ini (whose keys stay as they are). The first line is the
// file's own header, then one "Name=value" line per setting, UTF-8 with LF
// line ends. Names this version does not know are kept and written back.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/error.h"

namespace ruvo {

class OwnSettings {
 public:
  // "ruvo_settings.txt" in the folder of the settings file.
  static std::string fileBeside(const std::string& settingsFile);

  // A missing file sets nothing and is no error. A file that cannot be read,
  // lacks the header or holds a line without a name and "=" is an error:
  // the caller goes on with nothing set and tells the user.
  [[nodiscard]] static Result<OwnSettings> load(const std::string& file);

  // Replaces the file whole (a failed write keeps the old one).
  [[nodiscard]] Result<void> save(const std::string& file) const;

  // nullopt when the name is not set.
  std::optional<std::string> value(std::string_view name) const;
  // A name holding "=" or a line break, or a value holding a line break,
  // cannot be stored and is not set.
  void set(std::string_view name, std::string value);

 private:
  std::vector<std::pair<std::string, std::string>> m_entries;  // in file order
};

}  // namespace ruvo
