#pragma once
// The tempo side of the files ruvo writes: the first track's tempo event and
// the tempo changes that "tempo=" entries of the notes make.

#include <cstdint>

#include "song/song_model.h"
#include "interchange/midi_bytes.h"

namespace ruvo {

// Integer part of 60 000 000 / bpm, kept within the three bytes a tempo event
// holds (1 .. 16 777 215); a tempo of 0 or less gives 500 000 (120 bpm).
uint32_t microsPerQuarterOf(double bpm);

// Walks the notes (rests included), adding each length / 4 to a tick
// accumulator; before a note whose record has a "tempo=" entry above 0 a
// tempo event is written at the accumulated ticks (rounded) with that tempo
// cut to two decimals, and the accumulator restarts at 0.
void writeTempoChanges(ByteWriter& track, const Song& song);

// Time signature 4/4 with 24 clocks per click and 8 32nds per quarter.
void writeTimeSignature(ByteWriter& track);

}  // namespace ruvo
