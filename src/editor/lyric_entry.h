#pragma once
// Lyric entry from the lyric line: a phrase (lyric_phrase.h) becomes new
// notes at the selection (insert mode) or new lyrics for the selected notes
// (replace mode).

#include <string>
#include <string_view>

#include "editor/edit_result.h"
#include "song/song_model.h"
#include "voicebank/oto_table.h"

namespace ruvo {

enum class PhraseMode { Insert, Replace };

struct PhraseEntry {
  std::string record;  // the undo record; empty when nothing changed
  NoteSpan changed;
};

// Insert mode (and any phrase into an empty song) inserts the phrase's notes
// at the low end of the selection, each with the length and note number in
// force where it was read. Replace mode gives the phrase's lyrics, in order,
// to the selected notes that are not rests, up to the end of the selection
// (to the end of the song when the selection reaches noteCount); lengths and
// note numbers stay. Afterwards the new or changed notes are selected; when
// nothing changed the selection stays as it was.
PhraseEntry enterPhrase(Song& song, std::string_view phrase, PhraseMode mode, int defaultLength,
                        const OtoTable& oto);

}  // namespace ruvo
