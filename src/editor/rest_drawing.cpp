#include "editor/rest_drawing.h"

#include <algorithm>
#include <cstdint>

#include "editor/note_edits.h"
#include "editor/note_lines.h"

namespace ruvo {

namespace {

constexpr std::string_view kRestLyric = "R";

// The note number of the row at picture y (twips).
int keyAt(int y, const RollView& view) {
  const int row = y / view.rowHeight + view.vPos;
  return std::clamp(84 - row, kLowestKey, kHighestKey);
}

}  // namespace

int drawNoteInRest(Song& song, UndoJournal& journal, const OtoTable& oto, const RollView& view,
                   const RestClick& click, EditResult& result) {
  if (click.y <= view.rowHeight || click.x < kKeyboardWidth) return -1;
  const int64_t tick = static_cast<int64_t>(click.x - kKeyboardWidth) * view.zoom +
                       static_cast<int64_t>(view.hPos) * kTicksPerBeat;
  const int64_t unit = std::max(1, click.quantize);
  int64_t start = tick / unit * unit;
  const int key = keyAt(click.y, view);

  int64_t restStart = 0;
  int index = 0;
  while (index < song.noteCount && restStart + song[index].length <= tick) restStart += song[index++].length;
  const bool pastEnd = index == song.noteCount;
  if (!pastEnd && !isRest(song[index].lyric)) return -1;
  start = std::max(start, restStart);
  const int64_t restEnd = pastEnd ? INT64_MAX : restStart + song[index].length;
  const int length = static_cast<int>(std::min<int64_t>(std::max(1, click.defaultLength), restEnd - start));
  if (length <= 0) return -1;

  const int lead = static_cast<int>(start - restStart);
  const int tail = pastEnd ? 0 : static_cast<int>(restEnd - start - length);
  Note drawn = makeNote(length, kDrawnLyric, key, oto);
  std::string record;
  int at = index;
  if (pastEnd) {
    std::vector<Note> added;
    if (lead > 0) added.push_back(makeNote(lead, kRestLyric, key, oto));
    added.push_back(std::move(drawn));
    at = index + static_cast<int>(added.size()) - 1;
    record = deleteLine(index, at);
    insertNotes(song, index, std::move(added));
  } else {
    const int rest = song[index].noteNumber;
    std::string before = noteLine(kPropKind, index, song[index]);
    if (lead > 0) {
      song[index].length = lead;
      at = index + 1;
      insertNotes(song, at, {std::move(drawn)});
    } else {
      // The note takes the rest's place and its property record (a tempo
      // change at the rest's start stays where it was).
      song[index].length = length;
      song[index].noteNumber = key;
      setLyric(song[index], kDrawnLyric, oto);
    }
    if (tail > 0) insertNotes(song, at + 1, {makeNote(tail, kRestLyric, rest, oto)});
    const int added = (lead > 0) + (tail > 0);
    if (added > 0) record = deleteLine(index + 1, index + added) + std::string(kRecordLineBreak);
    record += before;
  }
  song.selFirst = song.selLast = at;
  song.modified = true;
  journal.push(std::move(record), std::string(kDrawNoteLabel));
  result.redraw.add(NoteSpan::fromOn(index));
  result.modifiedSet = true;
  result.journalChanged = true;
  return at;
}

}  // namespace ruvo
