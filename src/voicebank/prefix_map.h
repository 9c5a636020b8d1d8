#pragma once
// The pitch-to-prefix map of a voice bank (prefix.map): lines of a note name
// (sharps only, as noteNameOf writes them), TAB, and the text put before a
// lyric sung at that note. The first line for a note wins.

#include <optional>
#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo {

class PrefixMap {
 public:
  // Replaces the map with `folder`/prefix.map; a missing file gives an empty
  // map. Returns the number of non-empty lines loaded. A file that exists but
  // cannot be read also leaves the map empty, and stays reported by
  // loadError() until the next load, so whoever loads or saves a project can
  // tell the user why no prefixes were applied.
  [[nodiscard]] Result<int> load(const std::string& folder);
  void loadLines(const std::vector<std::string>& lines);

  // The prefix for a note number, "" when none. Loads `voiceFolder`'s map
  // first when it has never been loaded.
  std::string getPrefix(int noteNumber, const std::string& voiceFolder);

  bool loaded() const { return m_loaded; }
  const std::optional<Error>& loadError() const { return m_loadError; }

 private:
  bool m_loaded = false;
  std::optional<Error> m_loadError;
  std::vector<std::string> m_lines;
};

}  // namespace ruvo
