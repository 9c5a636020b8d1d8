#pragma once
// WAV reading for the resampler, in its own code: a note is one process, and
// loading a general audio library with its codecs cost more than the note
// itself.
//
// The reader takes integer PCM of 8, 16, 24 or 32 bits and IEEE float of 32
// or 64 bits (plain or extensible format), any rate from 1000 to 768000 Hz and
// any channel count, and mixes the channels to mono by averaging. The RIFF
// chunk list is walked with a bounds check on every chunk, and the samples
// are decoded block by block, so a file is never held whole in memory. A
// data chunk declared longer than the file is cut to what the file holds,
// and an incomplete last frame is dropped; everything else that is not such
// a file is refused with a message naming it.

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

}  // namespace ruvo::resampler
