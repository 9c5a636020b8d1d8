#pragma once
// The core operations every editing command is made of: insert notes,
// delete a range, set a lyric, change keys. They change the song and report
// the notes to redraw; recording them in the undo journal is the caller's.

#include <string>
#include <string_view>
#include <vector>

#include "editor/edit_result.h"
#include "song/song_model.h"
#include "voicebank/oto_table.h"

namespace ruvo {

// Lowest and highest note numbers a key change can reach (C1..B7).
constexpr int kLowestKey = 0;
constexpr int kHighestKey = 83;

// The lyric without TAB, CR and LF (each becomes a space): those characters
// separate the fields and lines of undo records and project files.
std::string cleanLyric(std::string_view lyric);

// Sets the note's lyric and refreshes its pre-utterance field from the voice
// bank entry the lyric answers to (empty when it has none); the property
// record is padded to six fields.
void setLyric(Note& note, std::string_view lyric, const OtoTable& oto);

// A new note as the commands create it: an empty property record, then the
// lyric through setLyric.
Note makeNote(int length, std::string_view lyric, int noteNumber, const OtoTable& oto);

// Inserts `notes` before `index` (clamped to 0..noteCount). Returns the index
// they went to. The changed flag is not touched.
int insertNotes(Song& song, int index, std::vector<Note> notes);

// Removes notes first..min(last, noteCount - 1); when none remains the song
// keeps one empty storage element. The selection ends are clamped to at most
// noteCount and the changed flag is set when a note was removed. Returns the
// notes to redraw (empty when nothing was removed).
NoteSpan deleteRange(Song& song, int first, int last);

// Something is selected unless both ends are at noteCount.
bool hasSelection(const Song& song);
int selectionLow(const Song& song);
int selectionHigh(const Song& song);
NoteSpan selectionSpan(const Song& song);

struct KeyChange {
  NoteSpan changed;    // empty when nothing was selected
  std::string record;  // the undo record: "KEY" -amount first last, then a
                       // "PROP" line for each note the clamp to 0..83 would
                       // keep the reverse move from restoring
};

// Moves the selected notes by `amount` semitones, each clamped to 0..83.
// The range is the selection, its upper end reduced by one when it is at
// noteCount. The changed flag is the caller's.
KeyChange changeKeys(Song& song, int amount);

}  // namespace ruvo
