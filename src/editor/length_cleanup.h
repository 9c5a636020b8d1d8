#pragma once
// Quantize and rest removal: two scans over a working range that clean up
// note lengths, each building one undo record.

#include <optional>
#include <string>

#include "editor/edit_result.h"
#include "song/song_model.h"

namespace ruvo {

// Notes lo..hi the scans look at. With a selection: its low end to one before
// its high end (the last selected note is left out); without one: every note
// but the last. Empty unless 0 <= lo <= hi < noteCount - 1.
struct WorkingRange {
  int lo = 0;
  int hi = -1;
};
std::optional<WorkingRange> workingRange(const Song& song);

struct Cleanup {
  std::string record;  // empty when nothing changed
  NoteSpan changed;
};

// Rounds each length to the nearest multiple of `unit` ticks (unit > 0). A
// note that rounds to 0 is removed, and the note that moves into its place
// is not looked at.
Cleanup quantizeLengths(Song& song, WorkingRange range, double unit);

// Each rest of at most `limit` ticks that follows a note of the range is
// removed and its length added to that note.
Cleanup removeShortRests(Song& song, WorkingRange range, double limit);

}  // namespace ruvo
