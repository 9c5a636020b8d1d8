#pragma once
// The internal note clipboard: copies of the copied notes, in order. It lasts
// as long as the program and is independent of the system clipboard, which
// gets only the lyrics as text (lyricsText).

#include <string>
#include <vector>

#include "song/song_model.h"

namespace ruvo {

struct EditClipboard {
  std::vector<Note> notes;
};

// The lyrics as one phrase that lyric entry reads back: a rest gives a
// space, a lyric of one character, or of two whose second is a small kana,
// stays as it is, and any other lyric is put in double quotation marks.
std::string lyricsText(const std::vector<Note>& notes);

}  // namespace ruvo
