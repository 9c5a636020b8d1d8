#pragma once
// WAV reading and writing for the resampler, in its own code: a note is one
// process, and loading a general audio library with its codecs cost more
// than the note itself.
//
// The reader takes integer PCM of 8, 16, 24 or 32 bits and IEEE float of 32
// or 64 bits (plain or extensible format), any rate from 1000 to 768000 Hz and
// any channel count, and mixes the channels to mono by averaging. The RIFF
// chunk list is walked with a bounds check on every chunk. A data chunk
// declared longer than the file is cut to what the file holds, and an
// incomplete last frame is dropped; everything else that is not such a file
// is refused with a message naming it.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"

namespace ruvo::resampler {

struct MonoAudio {
  std::vector<float> samples;  // full scale = 1
  int sampleRate = 0;
};

// Fails on a missing or unreadable file, an encoding other than the above, a
// rate outside 1000..768000 Hz, a recording longer than ten minutes and one
// without samples.
[[nodiscard]] Result<MonoAudio> readMonoWav(const std::string& path);

// The same over bytes already in memory; `name` only appears in messages.
[[nodiscard]] Result<MonoAudio> parseMonoWav(std::string_view bytes, std::string_view name);

// Writes 16-bit PCM mono; samples are scaled by 32768, rounded down and
// clamped to the 16-bit range. The file appears whole or
// not at all: it is written beside the target and renamed over it, so a
// resampler stopped mid-write never leaves a cut-short note to be taken for
// a rendered one.
[[nodiscard]] Result<void> writePcm16Wav(const std::string& path, std::span<const float> samples, int sampleRate);

// Writes 32-bit float mono (used to make test and benchmark recordings).
[[nodiscard]] Result<void> writeFloatWav(const std::string& path, std::span<const float> samples, int sampleRate);

}  // namespace ruvo::resampler
