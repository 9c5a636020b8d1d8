#pragma once
// The note and tempo values a song can play, and the messages that name a
// value outside them. Typed values are checked before they reach the song;
// values read from a file are brought within the bounds when it is opened.

#include <string>
#include <string_view>
#include <vector>

#include "song/song_model.h"

namespace ruvo {

// The highest note number a file can carry (MIDI key 127); a negative
// number means no key.
constexpr int kHighestNoteNumber = 103;
// The longest note, either way, in ticks: the longest length a saved song
// reads back as.
constexpr int kLongestNoteLength = kLongestReadLength;

// "" when the tempo box text is a number from kSlowestTempo to kFastestTempo
// (blanks around it allowed); else a message that names the text.
std::string tempoTextProblem(std::string_view text);

// Brings every note's length within kLongestNoteLength either way and its
// note number to at most kHighestNoteNumber. One line per changed value,
// naming the note (index and lyric), the value it had and the one it has now.
std::vector<std::string> boundNotes(Song& song);

}  // namespace ruvo
