#pragma once
// The two ways the property dialog is applied to the song: one note
// (everything the dialog returns is stored) and a range (the dialog shows the
// values the notes share; OK replaces only what the user set). Each builds
// the undo record of "PROP" lines of the notes that changed.

#include <optional>
#include <string>
#include <vector>

#include "editor/edit_result.h"
#include "noteprops/note_property_form.h"
#include "song/song_model.h"

namespace ruvo {

struct NoteRange {
  int first = 0;
  int last = 0;
};

// The selection as a range of notes: the smaller and the larger of selFirst
// and selLast, the insertion point after the last note not counted. Empty
// when that leaves nothing.
std::optional<NoteRange> selectedRange(const Song& song);

// What the dialog opens with for note `index`: its flags field in the
// three-part form.
PropertyValues singleValues(const Song& song, int index);
// The values the notes of the range share; a value that differs is "*" (key
// and length -1). The pitch curve is the first note's; tempo lines of the
// extra commands are left out (each note keeps its own).
PropertyValues mergedValues(const Song& song, NoteRange range);

// A note whose cached renderings are out of date: its index, and lyric and
// note name before and after the change.
struct ChangedNote {
  int index = 0;
  std::vector<std::pair<std::string, std::string>> names;  // lyric, note name
};

struct PropertyChange {
  std::string undoRecord;  // empty when no note changed
  std::vector<ChangedNote> changed;
  EditResult result;
};

inline constexpr std::string_view kPropertyUndoLabel = "プロパティ";

// Stores the dialog's values into note `index`; records the change when the
// note's line differs afterwards.
PropertyChange applySingle(Song& song, int index, const PropertyValues& values);
// Applies the range dialog's values to every note of the range.
PropertyChange applyRange(Song& song, NoteRange range, const PropertyValues& values);

}  // namespace ruvo
