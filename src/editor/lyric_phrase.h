#pragma once
// The phrase language of the lyric line: kana, quoted words and slash
// commands that set the length and the pitch of the notes that follow.
//   /L<n>      length: n of 1 2 3 4 6 8 12 16 24 32 (a whole note to a 32nd);
//              any other number keeps the current length
//   /C4 /D#5 /Bb3   note number of the following notes (capital letter,
//              optional # or b, one octave digit)
//   "word"     one note whose lyric is the word (to the next quote or the end)
//   きゃ       a kana and a following small ゃゅょぁぃぅぇぉ make one note
// Spaces separate nothing; every other character is one note.

#include <string>
#include <string_view>
#include <vector>

namespace ruvo {

struct PhraseNote {
  std::string lyric;
  int length = 0;      // ticks
  int noteNumber = 0;  // the current note number when the lyric was read
};

// The notes of `phrase`, starting from `length` ticks and note number 36.
std::vector<PhraseNote> parsePhrase(std::string_view phrase, int length);

// The multi-line editing window shows a phrase one word per line: each space
// becomes a line break, and back, each line break (CR LF, LF or CR) a space.
std::string phraseToLines(std::string_view phrase);
std::string linesToPhrase(std::string_view text);

}  // namespace ruvo
