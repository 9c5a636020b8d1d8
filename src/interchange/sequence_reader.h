#pragma once
// Reading MIDI-type files: the track list shown for the track choice, the
// import of one track, and the sequence file with its header lines. All take
// the file's bytes; the trace of NRPN data entries goes to options.tracePath.

#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "song/song_model.h"

namespace ruvo {

struct MidiReadOptions {
  double defaultTempo = 120;           // when the file has no tempo event
  std::string tracePath = "test.log";  // "" writes no trace
};

struct TrackReadResult {
  int count = 0;       // elements appended from the song's noteCount on
  double tempo = 120;  // the file's first tempo, else the default
};

struct SequenceReadResult {
  int count = 0;
  double tempo = 120;
  std::vector<std::string> headerLines;  // text events of the first track (and the second of three), UTF-8
};

// One entry per track chunk, "<number>: <track name>". Empty when the bytes
// are not a MIDI file of format 0 or 1.
std::vector<std::string> listTracks(std::string_view bytes, const MidiReadOptions& options);

// Appends the notes of track `track` (1-based). BadFormat (message
// "ファイル形式が正しくありません。") for a file that is not MIDI format 0/1,
// a missing track, or a time division that is not in ticks per quarter.
[[nodiscard]] Result<TrackReadResult> importTrack(std::string_view bytes, int track, Song& song,
                                                  const MidiReadOptions& options);

// The sequence file: the first track gives the header lines and the tempo,
// the voice track is track 2. With three or more tracks the voice track is
// track 3, and the texts and tempos of track 2 follow those of track 1.
[[nodiscard]] Result<SequenceReadResult> readSequenceFile(std::string_view bytes, Song& song,
                                                          const MidiReadOptions& options);

}  // namespace ruvo
