#pragma once
// oto.ini as the voice-bank settings dialog reads and writes it: every entry
// line with its exact text, so that a line nobody edits is written back as it
// was, and the file's encoding, line end and final line end, so that a file
// written with the same lines has the same bytes. A new file is CP932 with
// CR LF.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "core/text_file.h"

namespace ruvo {

// One entry line: a line with exactly one "=".
struct OtoFileEntry {
  std::string line;  // the line as read (UTF-8)
  // The file name, then the comma-separated values after "=" (alias,
  // offset, consonant, blank, pre-utterance and any further ones). A value
  // without a comma gives the file name alone, as the lookup table does.
  std::vector<std::string> fields;
};

class OtoFile {
 public:
  // `folder`/oto.ini. A missing file is an empty new file; one that cannot
  // be read is an error.
  [[nodiscard]] static Result<OtoFile> load(const std::string& folder);
  static OtoFile fromBytes(std::string_view bytes);

  const std::vector<OtoFileEntry>& entries() const { return m_entries; }
  // Lines that are neither empty nor entries (no "=" or more than one), in
  // file order: no lookup uses them, but they are the user's and are kept.
  const std::vector<std::string>& otherLines() const { return m_otherLines; }
  TextEncoding encoding() const { return m_document.encoding; }

  // The file's bytes with `lines` in place of its lines.
  std::string bytesWith(const std::vector<std::string>& lines) const;
  // Writes `folder`/oto.ini atomically. A line the file's encoding cannot
  // hold (a character CP932 lacks) is refused before anything is written.
  [[nodiscard]] Result<void> save(const std::string& folder, const std::vector<std::string>& lines) const;

 private:
  TextDocument m_document;
  std::vector<OtoFileEntry> m_entries;
  std::vector<std::string> m_otherLines;
};

// The first of `lines` that `encoding` cannot hold unchanged, if any.
std::optional<size_t> firstUnencodableLine(const std::vector<std::string>& lines, TextEncoding encoding);

}  // namespace ruvo
