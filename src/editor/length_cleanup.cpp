#include "editor/length_cleanup.h"

#include <algorithm>
#include <cstdint>

#include "core/numbers.h"
#include "editor/note_edits.h"
#include "editor/note_lines.h"

namespace ruvo {

namespace {

// Removes note `index` during a scan. Selection ends past it move down with
// the notes they point at, so the same notes stay selected and "nothing
// selected" stays so.
void removeNote(Song& song, int index) {
  int selFirst = song.selFirst > index ? song.selFirst - 1 : song.selFirst;
  int selLast = song.selLast > index ? song.selLast - 1 : song.selLast;
  deleteRange(song, index, index);
  song.selFirst = selFirst;
  song.selLast = selLast;
}

}  // namespace

std::optional<WorkingRange> workingRange(const Song& song) {
  WorkingRange range{0, song.noteCount - 2};
  if (song.selFirst < song.noteCount || song.selLast < song.noteCount) {
    range = WorkingRange{std::min(song.selFirst, song.selLast), std::max(song.selFirst, song.selLast) - 1};
  }
  if (range.lo < 0 || range.lo > range.hi || range.hi >= song.noteCount - 1) return std::nullopt;
  return range;
}

Cleanup quantizeLengths(Song& song, WorkingRange range, double unit) {
  RecordBuilder record;
  NoteSpan changed;
  for (int i = range.lo; i <= range.hi; ++i) {
    Note& note = song[i];
    double steps = static_cast<double>(intFloor(note.length / unit + 0.5));
    int quantized = clampToInt32(static_cast<double>(roundHalfEven(steps * unit)));
    if (quantized != 0) {
      if (quantized == note.length) continue;
      record.putInFront(noteLine(kPropKind, i, note));
      note.length = quantized;
      changed.add(NoteSpan::fromOn(i));
      continue;
    }
    record.putInFront(noteLine(kInsertKind, i, note));
    removeNote(song, i);
    changed.add(NoteSpan::fromOn(i));
    --range.hi;
  }
  return Cleanup{record.record(), changed};
}

Cleanup removeShortRests(Song& song, WorkingRange range, double limit) {
  RecordBuilder record;
  NoteSpan changed;
  for (int i = range.lo; i <= range.hi; ++i) {
    const Note& rest = song[i + 1];
    if (!isRest(rest.lyric) || rest.length > limit) continue;
    record.putInFront(noteLine(kPropKind, i, song[i]));
    song[i].length = clampToInt32(static_cast<double>(int64_t{song[i].length} + rest.length));
    record.putInFront(noteLine(kInsertKind, i + 1, rest));
    removeNote(song, i + 1);
    changed.add(NoteSpan::fromOn(i));
    --range.hi;
  }
  return Cleanup{record.record(), changed};
}

}  // namespace ruvo
