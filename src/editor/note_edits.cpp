#include "editor/note_edits.h"

#include <algorithm>
#include <cstdint>

#include "editor/note_lines.h"

namespace ruvo {

namespace {
constexpr int kMaxKeyMove = 1'000'000;
}  // namespace

std::string cleanLyric(std::string_view lyric) {
  std::string clean(lyric);
  std::replace_if(clean.begin(), clean.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
  return clean;
}

void setLyric(Note& note, std::string_view lyric, const OtoTable& oto) {
  std::string clean = cleanLyric(lyric);
  std::string lookup = clean;
  OtoEntry entry = oto.getAlias(lookup);
  auto fields = splitFields(note.props, '\t');
  if (fields.size() < kPropFieldCount) fields.resize(kPropFieldCount);
  fields[kPropPreUtterance] = entry[OtoEntry::kPreUtterance];
  note.props = joinFields(fields, "\t");
  note.lyric = std::move(clean);
}

Note makeNote(int length, std::string_view lyric, int noteNumber, const OtoTable& oto) {
  Note note{"", length, noteNumber, ""};
  setLyric(note, lyric, oto);
  return note;
}

int insertNotes(Song& song, int index, std::vector<Note> notes) {
  index = std::clamp(index, 0, song.noteCount);
  // Storage past noteCount is scratch for readers; drop it so the new notes
  // sit right after the last real one.
  song.notes.resize(static_cast<size_t>(song.noteCount));
  song.noteCount += static_cast<int>(notes.size());
  song.notes.insert(song.notes.begin() + index, std::make_move_iterator(notes.begin()),
                    std::make_move_iterator(notes.end()));
  if (song.notes.empty()) song.notes.emplace_back();
  return index;
}

NoteSpan deleteRange(Song& song, int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, song.noteCount - 1);
  if (first > last) return {};
  song.notes.resize(static_cast<size_t>(song.noteCount));
  song.notes.erase(song.notes.begin() + first, song.notes.begin() + last + 1);
  song.noteCount -= last - first + 1;
  if (song.notes.empty()) song.notes.emplace_back();
  song.selLast = std::min(song.selLast, song.noteCount);
  song.selFirst = std::min(song.selFirst, song.noteCount);
  song.modified = true;
  return NoteSpan::fromOn(first);
}

bool hasSelection(const Song& song) {
  return song.selFirst != song.noteCount || song.selLast != song.noteCount;
}

int selectionLow(const Song& song) { return std::min(song.selFirst, song.selLast); }
int selectionHigh(const Song& song) { return std::max(song.selFirst, song.selLast); }
NoteSpan selectionSpan(const Song& song) { return NoteSpan::of(song.selFirst, song.selLast); }

KeyChange changeKeys(Song& song, int amount) {
  // Any larger move clamps every note all the same; the bound keeps the
  // reverse amount representable.
  amount = std::clamp(amount, -kMaxKeyMove, kMaxKeyMove);
  if (song.selFirst >= song.noteCount && song.selLast >= song.noteCount) return {};
  int first = std::max(selectionLow(song), 0);
  int last = selectionHigh(song);
  if (last == song.noteCount) --last;
  last = std::min(last, song.noteCount - 1);
  if (first > last) return {};
  // Notes the clamp holds back (or that started outside 0..83) would not come
  // back with the reverse move alone: their own lines restore them.
  std::vector<std::string> restores;
  for (int i = first; i <= last; ++i) {
    Note& note = song[i];
    int64_t moved = int64_t{note.noteNumber} + amount;
    if (note.noteNumber < kLowestKey || note.noteNumber > kHighestKey || moved < kLowestKey ||
        moved > kHighestKey) {
      restores.push_back(noteLine(kPropKind, i, note));
    }
    note.noteNumber = static_cast<int>(std::clamp<int64_t>(moved, kLowestKey, kHighestKey));
  }
  KeyChange change{NoteSpan::of(first, last), keyLine(-amount, first, last) + std::string(kRecordLineBreak)};
  for (const auto& line : restores) change.record += line + std::string(kRecordLineBreak);
  return change;
}

}  // namespace ruvo
