#include "interchange/conductor_track.h"

#include "core/numbers.h"

namespace ruvo {

uint32_t microsPerQuarterOf(double bpm) {
  if (!(bpm > 0)) return 500000;
  double micros = 60.0 / bpm * 1000000.0;
  if (micros >= 16777215.0) return 16777215;
  if (micros < 1.0) return 1;
  return static_cast<uint32_t>(micros);
}

void writeTempoChanges(ByteWriter& track, const Song& song) {
  double accumulated = 0;
  for (int i = 0; i < song.noteCount; ++i) {
    const Note& note = song[i];
    if (auto tempo = tempoEntry(note.props)) {
      double cut = static_cast<double>(intFloor(static_cast<double>(*tempo) * 100 + 1e-6)) / 100;
      if (cut > 0) {
        track.tempo(static_cast<uint32_t>(roundHalfEven(accumulated)), microsPerQuarterOf(cut));
        accumulated = 0;
      }
    }
    accumulated += note.length / 4.0;
  }
}

void writeTimeSignature(ByteWriter& track) { track.meta(0, 0x58, std::string_view("\x04\x02\x18\x08", 4)); }

}  // namespace ruvo
