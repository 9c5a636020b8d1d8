#pragma once
// Drawing a note into a rest with the mouse: a double-click on empty roll
// space turns the part of the rest under the pointer into a note.

#include <string_view>

#include "editor/edit_result.h"
#include "editor/roll_geometry.h"
#include "editor/undo_journal.h"
#include "song/song_model.h"
#include "voicebank/oto_table.h"

namespace ruvo {

constexpr std::string_view kDrawnLyric = "あ";
constexpr std::string_view kDrawNoteLabel = "ノートの挿入";

struct RestClick {
  int x = 0;  // picture twips
  int y = 0;
  int quantize = 240;       // ticks of the quantize unit
  int defaultLength = 1920;  // ticks of the length chooser
};

// The click's time, snapped down to the quantize unit from the song's start,
// falls on a rest: from there the rest becomes a note "あ" of the clicked key
// and the default length, cut short where the rest ends; what is left of the
// rest before and after stays a rest. Past the song's end the silence counts
// as a rest without end: a rest fills the gap and the note follows. The note
// is selected; one undo step "ノートの挿入", changed flag set. Returns the
// new note's index, or -1 when the time falls on a sung note or the click is
// on the ruler strip (nothing changes then).
int drawNoteInRest(Song& song, UndoJournal& journal, const OtoTable& oto, const RollView& view,
                   const RestClick& click, EditResult& result);

}  // namespace ruvo
