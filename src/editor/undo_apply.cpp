#include "editor/undo_apply.h"

#include <algorithm>
#include <vector>

#include "editor/note_edits.h"
#include "editor/note_lines.h"

namespace ruvo {

namespace {

using Lines = std::vector<RecordLine>;

// Removing k, then k-1, ... one at a time moves every later note each time;
// a run of "DEL" lines that each end right before the previous one's start
// is one removal of the whole block, with the same result.
NoteSpan applyDeletes(Song& song, const Lines& lines, size_t& at) {
  int first = lines[at].number(1);
  int last = lines[at].number(2);
  if (first < 0 || first > last || last >= song.noteCount) return deleteRange(song, first, last);
  while (at + 1 < lines.size() && lines[at + 1].kind() == kDeleteKind) {
    int nextFirst = lines[at + 1].number(1);
    int nextLast = lines[at + 1].number(2);
    if (nextLast != first - 1 || nextFirst < 0 || nextFirst > nextLast) break;
    first = nextFirst;
    ++at;
  }
  return deleteRange(song, first, last);
}

// Likewise a run of "INS" lines at ascending adjacent indices is one
// insertion of the whole block. Each inserted note is selected in turn, so
// the last one ends selected.
NoteSpan applyInserts(Song& song, const Lines& lines, size_t& at) {
  std::vector<Note> notes{lines[at].note()};
  int start = std::clamp(lines[at].number(1), 0, song.noteCount);
  while (at + 1 < lines.size() && lines[at + 1].kind() == kInsertKind &&
         lines[at + 1].number(1) == start + static_cast<int>(notes.size())) {
    notes.push_back(lines[++at].note());
  }
  int count = static_cast<int>(notes.size());
  start = insertNotes(song, start, std::move(notes));
  song.selFirst = song.selLast = start + count - 1;
  return NoteSpan::fromOn(start);
}

NoteSpan applyProp(Song& song, const RecordLine& line) {
  int index = line.number(1);
  if (index < 0 || index >= song.noteCount) return {};
  Note note = line.note();
  bool moved = note.length != song[index].length;
  song[index] = std::move(note);
  return moved ? NoteSpan::fromOn(index) : NoteSpan::of(index, index);
}

NoteSpan applyKey(Song& song, const RecordLine& line) {
  song.selFirst = std::clamp(line.number(2), 0, song.noteCount);
  song.selLast = std::clamp(line.number(3), 0, song.noteCount);
  return changeKeys(song, line.number(1)).changed;
}

}  // namespace

NoteSpan applyUndoRecord(Song& song, std::string_view record) {
  Lines lines = splitRecord(record);
  NoteSpan changed;
  for (size_t at = 0; at < lines.size(); ++at) {
    std::string_view kind = lines[at].kind();
    if (kind == kDeleteKind) {
      changed.add(applyDeletes(song, lines, at));
    } else if (kind == kInsertKind) {
      changed.add(applyInserts(song, lines, at));
    } else if (kind == kPropKind) {
      changed.add(applyProp(song, lines[at]));
    } else if (kind == kKeyKind) {
      changed.add(applyKey(song, lines[at]));
    }
  }
  return changed;
}

}  // namespace ruvo
