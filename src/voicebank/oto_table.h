#pragma once
// The parameter table of a voice bank (oto.ini): one entry per recording,
// giving the alias it answers to and four timing values in ms. Lookups keep
// the file's order: the first matching entry wins, and an alias always wins
// over a file name.

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/error.h"

namespace ruvo {

// Six text fields: file name (with extension), alias, offset, consonant,
// blank, pre-utterance (all ms). A failed lookup gives six empty fields.
struct OtoEntry {
  enum Field : size_t { kFile = 0, kAlias, kOffset, kConsonant, kBlank, kPreUtterance };
  std::array<std::string, 6> fields;
  const std::string& operator[](size_t i) const { return fields[i]; }
  // A numeric field read leniently (no number reads as 0).
  double number(size_t i) const;
};

class OtoTable {
 public:
  // The entries of `folder`/oto.ini. A missing file gives an empty table; a
  // file that exists but cannot be read is an error. Lines without exactly
  // one "=" or with an empty file name are skipped; a line whose value has no
  // "," keeps only its file name.
  // A line whose recording lies outside the voice folder (an absolute name or
  // a ".." component) is refused and reported in warnings(): rendering it
  // would read outside the bank and write outside the cache folder.
  [[nodiscard]] static Result<OtoTable> load(const std::string& folder);
  // The same from lines already read (tests and fuzzing).
  static OtoTable fromLines(const std::vector<std::string>& lines);

  // When the lyric matches an alias, the lyric becomes that recording's name
  // without its ".wav" extension. Else a recording named lyric + ".wav" is
  // looked for; the lyric then stays as it is.
  OtoEntry getAlias(std::string& lyric) const;
  // The alias of recording `name` (without ".wav"), or the name itself when
  // it has none.
  std::string aliasOfFile(const std::string& name) const;

  size_t size() const { return m_entries.size(); }
  // One line per refused entry, naming its line of oto.ini.
  const std::vector<std::string>& warnings() const { return m_warnings; }
  const std::vector<std::string>& rawEntry(size_t i) const { return m_entries[i]; }

 private:
  void addLine(std::string_view line, size_t lineNumber);
  OtoEntry entryAt(size_t i) const;

  // Every accepted line split into its fields (file name first).
  std::vector<std::vector<std::string>> m_entries;
  // First entry by alias and by file name with its extension lower-cased.
  std::unordered_map<std::string, size_t> m_byAlias;
  std::unordered_map<std::string, size_t> m_byFile;
  std::vector<std::string> m_warnings;
};

// The recording name without a trailing ".wav" in any case ("A.WAV" -> "A").
std::string stripWavExtension(std::string_view fileName);

}  // namespace ruvo
