#pragma once
// The pitch-to-prefix map of a voice bank (prefix.map): lines of a note name
// (sharps only, as noteNameOf writes them), TAB, the text put before a lyric
// sung at that note and, after a second TAB, the text put after it (the
// suffix; many banks keep their pitch sets apart that way). The first line
// for a note wins. The file is read in the encoding its bytes tell (UTF-8
// with or without a byte-order mark, else CP932), which is remembered.

#include <optional>
#include <string>
#include <vector>

#include "core/error.h"
#include "core/text_file.h"

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
  void loadDocument(TextDocument document);

  // The prefix for a note number, "" when none. Loads `voiceFolder`'s map
  // first when it has never been loaded.
  std::string getPrefix(int noteNumber, const std::string& voiceFolder);
  // The suffix for a note number, "" when none; loads the map as getPrefix does.
  std::string getSuffix(int noteNumber, const std::string& voiceFolder);
  // Every distinct non-empty suffix, in file order.
  std::vector<std::string> suffixes() const;

  bool loaded() const { return m_loaded; }
  const std::optional<Error>& loadError() const { return m_loadError; }
  // The file as read (CP932 and CR LF when none was read).
  const TextDocument& document() const { return m_document; }

 private:
  std::vector<std::string> fieldsFor(int noteNumber, const std::string& voiceFolder);

  bool m_loaded = false;
  std::optional<Error> m_loadError;
  std::vector<std::string> m_lines;
  TextDocument m_document;
};

}  // namespace ruvo
