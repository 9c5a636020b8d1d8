#pragma once
// Writes a song as a two-track MIDI file (format 1, 480 ticks per quarter):
// a conductor track with the tempo, the header lines and the tempo changes,
// and a voice track with one note per sung note. Rests only delay the next
// note; rests at the end of the song delay the end of the track, so they come
// back as a rest when the file is read.

#include <string>
#include <vector>

#include "core/error.h"
#include "song/song_model.h"
#include "interchange/tone_map.h"

namespace ruvo {

enum class MidiWriteMode {
  Sequence,    // the sequence file: per-note texts and lyric events
  ToneModule,  // program changes from the tone map pick the sung syllable
};

struct MidiWriteInput {
  double tempo = 120;                    // bpm of the first tempo event
  std::vector<std::string> headerLines;  // one text event each, UTF-8
  MidiWriteMode mode = MidiWriteMode::Sequence;
  ToneMap toneMap;                       // tone-module mode only
};

// The whole file as bytes.
std::string buildSequenceMidi(const Song& song, const MidiWriteInput& input);

[[nodiscard]] Result<void> writeSequenceMidi(const std::string& path, const Song& song, const MidiWriteInput& input);

}  // namespace ruvo
