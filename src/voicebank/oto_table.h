#pragma once
// The parameter table of a voice bank (oto.ini): one entry per recording,
// giving the alias it answers to and four timing values in ms. Lookups keep
// the file's order: the first matching entry wins, and an alias always wins
// over a file name.
//
// The file is read in the encoding its bytes tell (UTF-8 with or without a
// byte-order mark, else CP932) and remembers it, its line end and its final
// line end, so whatever writes the table back keeps the bank's form.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/error.h"
#include "core/text_file.h"

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

// The timing a batch call line carries for its recording: offset, consonant
// and blank rounded to whole ms, and the pre-utterance (ms).
struct CallTiming {
  int64_t offset = 0;
  int64_t consonant = 0;
  int64_t blank = 0;
  double preUtterance = 0;
};

class OtoTable {
 public:
  // The entries of `folder`/oto.ini. A missing file gives an empty table; a
  // file that exists but cannot be read is an error. Lines without exactly
  // one "=", with an empty file name or one named only ".wav" are skipped; a
  // line whose value has no "," keeps only its file name.
  // A line whose recording lies outside the voice folder (an absolute name or
  // a ".." component) is refused and reported in warnings(): rendering it
  // would read outside the bank and write outside the cache folder. So is a
  // line that is neither UTF-8 nor CP932 text: its names would be guesses.
  [[nodiscard]] static Result<OtoTable> load(const std::string& folder);
  // The same from a document or lines already read (tests and fuzzing).
  static OtoTable fromDocument(TextDocument document);
  static OtoTable fromLines(const std::vector<std::string>& lines);

  // When the lyric matches an alias, the lyric becomes that recording's name
  // without its ".wav" extension. Else a recording named lyric + ".wav" is
  // looked for; the lyric then stays as it is.
  OtoEntry getAlias(std::string& lyric) const;
  // The index of the entry getAlias would return for `lyric`.
  std::optional<size_t> findEntry(const std::string& lyric) const;
  bool hasAlias(const std::string& alias) const { return m_byAlias.contains(alias); }
  // The alias of recording `name` (without ".wav"), or the name itself when
  // it has none.
  std::string aliasOfFile(const std::string& name) const;
  // The alias a batch call was written from: among the entries of recording
  // `name` (without ".wav") those whose rounded timing equals the call's,
  // preferring one whose alias begins with `prefix` and ends with `suffix`,
  // then one with the call's pre-utterance, then the first. Without such an
  // entry (the bank changed since) it is aliasOfFile(name).
  std::string aliasOfCall(const std::string& name, const CallTiming& timing, std::string_view prefix,
                          std::string_view suffix) const;
  // True when an earlier entry names the same recording: the entry's sound
  // is not told apart from that one's by the recording's name alone.
  bool sharesRecording(size_t index) const;

  // A bank is taken for VCV (vowel-consonant-vowel) when at least a quarter
  // of its aliases have the form "- X" or "v X", with v a vowel or "n" in
  // romaji or kana: such a bank sings a syllable through the entry that
  // starts from the previous note's vowel.
  bool looksVcv() const { return m_vcv; }

  size_t size() const { return m_entries.size(); }
  // One line per refused entry, naming its line of oto.ini.
  const std::vector<std::string>& warnings() const { return m_warnings; }
  const std::vector<std::string>& rawEntry(size_t i) const { return m_entries[i]; }
  OtoEntry entryAt(size_t i) const;
  // The line of oto.ini entry i came from (1-based).
  size_t lineOf(size_t i) const { return m_lineNumbers[i]; }
  // The file as read: its lines, encoding and line ends (CP932 and CR LF for
  // a table that was not read from a file).
  const TextDocument& document() const { return m_document; }
  TextEncoding encoding() const { return m_document.encoding; }

 private:
  void addLine(std::string_view line, size_t lineNumber);
  void classify();

  TextDocument m_document;
  // Every accepted line split into its fields (file name first).
  std::vector<std::vector<std::string>> m_entries;
  std::vector<size_t> m_lineNumbers;
  // First entry by alias; every entry by file name with its extension lower-cased, in file order.
  std::unordered_map<std::string, size_t> m_byAlias;
  std::unordered_map<std::string, std::vector<size_t>> m_byFile;
  std::vector<std::string> m_warnings;
  bool m_vcv = false;
};

// The recording name without a trailing ".wav" in any case ("A.WAV" -> "A").
std::string stripWavExtension(std::string_view fileName);

}  // namespace ruvo
