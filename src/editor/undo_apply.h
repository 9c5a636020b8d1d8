#pragma once
// Carries out an undo record (see note_lines.h) on the song.

#include <string_view>

#include "editor/edit_result.h"
#include "song/song_model.h"

namespace ruvo {

// Applies the record's lines in order; lines of other kinds, and lines whose
// indices lie outside the song, are skipped. "INS" selects the inserted note,
// "KEY" selects its range. Returns the notes to redraw.
NoteSpan applyUndoRecord(Song& song, std::string_view record);

}  // namespace ruvo
