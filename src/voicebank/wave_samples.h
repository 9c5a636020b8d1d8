#pragma once
// A reader for plain 16-bit PCM WAV files, the form every recording of a
// voice bank and every resampled note takes. The RIFF chunk list is walked
// with a bounds check on every chunk, so damaged files give an error value
// instead of a wild read.
//
// Repairs (each noted in `warnings`): a "data" chunk whose size runs past the
// end of the file is cut at the end of the file; an odd trailing byte of the
// sample data is dropped.
// Refusals (an Error with code BadFormat): no "RIFF"/"WAVE" signature, no
// "fmt " chunk before "data", a "fmt " chunk shorter than 16 bytes, a format
// other than PCM (or extensible PCM), a sample size other than 16 bits, zero
// channels, a sample rate of 0, a block align that does not match the
// channels, or no "data" chunk at all.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"

namespace ruvo {

struct WaveSamples {
  int sampleRate = 0;  // Hz
  int channels = 0;    // channels in the file; `samples` holds only the first
  std::vector<int16_t> samples;       // first channel, one value per frame
  std::vector<std::string> warnings;  // repairs made while reading
};

// Reads the file at `path`. A missing file is NotFound, an unreadable one
// Unreadable, a damaged one BadFormat.
[[nodiscard]] Result<WaveSamples> readWaveSamples(const std::string& path);

// The same over bytes already in memory; `name` only appears in messages.
[[nodiscard]] Result<WaveSamples> parseWaveSamples(std::string_view bytes, std::string_view name);

// Samples scaled to -1..1 (32768 is full scale), for analysis.
std::vector<float> toUnitFloat(const std::vector<int16_t>& samples);

}  // namespace ruvo
