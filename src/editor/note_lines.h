#pragma once
// The lines of an undo record. Each line is TAB-separated and starts with
// its kind:
//   "DEL"  first, last             delete notes first..last (undoes an insertion)
//   "INS"  index, note fields      insert the note at index (undoes a removal)
//   "PROP" index, note fields      overwrite the note at index (undoes a change)
//   "KEY"  amount, first, last     select first..last, move by amount semitones
// The note fields are length, lyric, note number and the six fields of the
// property record, so a note line has eleven fields. Lines are joined by
// CR LF; a trailing empty line is ignored.

#include <string>
#include <string_view>
#include <vector>

#include "song/song_model.h"

namespace ruvo {

constexpr std::string_view kDeleteKind = "DEL";
constexpr std::string_view kInsertKind = "INS";
constexpr std::string_view kPropKind = "PROP";
constexpr std::string_view kKeyKind = "KEY";
constexpr std::string_view kRecordLineBreak = "\r\n";

// "INS" or "PROP" line of `note` at `index`.
std::string noteLine(std::string_view kind, int index, const Note& note);
std::string deleteLine(int first, int last);
std::string keyLine(int amount, int first, int last);

// Lines collected while a command scans forward, each "put in front of the
// record": the record lists them newest first, each followed by CR LF.
class RecordBuilder {
 public:
  void putInFront(std::string line) { m_lines.push_back(std::move(line)); }
  bool empty() const { return m_lines.empty(); }
  std::string record() const;

 private:
  std::vector<std::string> m_lines;
};

// One line of a record split at TAB; fields that are missing read as empty.
class RecordLine {
 public:
  explicit RecordLine(std::string_view line);
  std::string_view kind() const { return field(0); }
  std::string_view field(size_t i) const;
  // A field read as an integer (no number reads as 0).
  int number(size_t i) const;
  // The note of an INS or PROP line.
  Note note() const;

 private:
  std::vector<std::string> m_fields;
};

std::vector<RecordLine> splitRecord(std::string_view record);

}  // namespace ruvo
