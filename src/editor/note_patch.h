#pragma once
// The notes of a song as they were, kept as the difference to
// the song as it is: only the notes between the common beginning and the
// common end, so that keeping one for each redo step costs what the step
// changed, not the whole song.

#include <vector>

#include "editor/edit_result.h"
#include "song/song_model.h"

namespace ruvo {

struct NotePatch {
  int at = 0;               // first note index that differs
  int replace = 0;          // notes of the song from `at` that the patch replaces
  std::vector<Note> notes;  // the notes that were there
};

// The patch that turns `song` back into `before` (its first noteCount notes).
NotePatch patchBack(const Song& song, const Song& before);

// Applies the patch and selects the notes it brought back (nothing when it
// only removed notes); returns the notes to redraw.
NoteSpan applyPatch(Song& song, const NotePatch& patch);

}  // namespace ruvo
