#pragma once
// Note numbers and their names: 0 is C1, 36 is C4, one step per semitone;
// MIDI key = note number + 24. Names are written with sharps (C#4) and read
// with sharps or flats (Db4).

#include <string>
#include <string_view>

namespace ruvo {

constexpr int kNoKey = -1;

// "" for a negative number, else the pitch class with sharps and the octave.
std::string noteNameOf(int noteNumber);

// -1 (kNoKey) for the empty text and for a name whose letter part is not one
// of C D E F G A B with an optional '#' or 'b' (Cb, E#, lower case letters).
int noteNumberOf(std::string_view name);

}  // namespace ruvo
