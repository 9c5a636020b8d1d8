#pragma once
// Hand-built MIDI files for the reader tests.

#include <string>
#include <vector>

#include "interchange/midi_bytes.h"

namespace ruvo::test {

inline std::string smfFile(uint16_t format, uint16_t division, const std::vector<std::string>& tracks) {
  std::string file = midiHeaderChunk(format, static_cast<uint16_t>(tracks.size()), division);
  for (const auto& events : tracks) file += midiTrackChunk(events);
  return file;
}

// A conductor track with the given (delta, bpm) tempo events.
inline std::string tempoTrack(const std::vector<std::pair<uint32_t, double>>& tempos) {
  ByteWriter track;
  for (auto [delta, bpm] : tempos) track.tempo(delta, static_cast<uint32_t>(60000000.0 / bpm));
  track.endOfTrack(0);
  return track.bytes();
}

inline std::string hex(std::string_view bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string text;
  for (unsigned char c : bytes) {
    if (!text.empty()) text += ' ';
    text += digits[c >> 4];
    text += digits[c & 15];
  }
  return text;
}

}  // namespace ruvo::test
