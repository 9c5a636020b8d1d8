#include "editor/note_lines.h"

#include "core/numbers.h"

namespace ruvo {

namespace {
// Kind, index, length, lyric, note number: the property record follows.
constexpr size_t kFirstPropField = 5;
}  // namespace

std::string noteLine(std::string_view kind, int index, const Note& note) {
  std::vector<std::string> fields{std::string(kind), std::to_string(index), std::to_string(note.length),
                                  note.lyric, std::to_string(note.noteNumber)};
  for (auto& field : splitProps(note.props)) fields.push_back(std::move(field));
  return joinFields(fields, "\t");
}

std::string deleteLine(int first, int last) {
  return std::string(kDeleteKind) + "\t" + std::to_string(first) + "\t" + std::to_string(last);
}

std::string keyLine(int amount, int first, int last) {
  return std::string(kKeyKind) + "\t" + std::to_string(amount) + "\t" + std::to_string(first) + "\t" +
         std::to_string(last);
}

std::string RecordBuilder::record() const {
  std::string record;
  for (auto line = m_lines.rbegin(); line != m_lines.rend(); ++line) {
    record += *line;
    record += kRecordLineBreak;
  }
  return record;
}

RecordLine::RecordLine(std::string_view line) : m_fields(splitFields(line, '\t')) {}

std::string_view RecordLine::field(size_t i) const {
  return i < m_fields.size() ? std::string_view(m_fields[i]) : std::string_view();
}

int RecordLine::number(size_t i) const { return clampToInt32(leadingNumber(field(i))); }

Note RecordLine::note() const {
  std::vector<std::string> props;
  for (size_t i = kFirstPropField; i < kFirstPropField + kPropFieldCount; ++i) props.emplace_back(field(i));
  return Note{std::string(field(3)), number(2), number(4), joinFields(props, "\t")};
}

std::vector<RecordLine> splitRecord(std::string_view record) {
  std::vector<RecordLine> lines;
  size_t start = 0;
  while (start < record.size()) {
    size_t end = record.find(kRecordLineBreak, start);
    if (end == std::string_view::npos) end = record.size();
    std::string_view line = record.substr(start, end - start);
    if (!line.empty()) lines.emplace_back(line);
    start = end + kRecordLineBreak.size();
  }
  return lines;
}

}  // namespace ruvo
