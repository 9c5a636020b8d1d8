#pragma once
// WAV reading and writing over libsndfile: the only file that sees it.

#include <span>
#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo::resampler {

struct MonoAudio {
  std::vector<float> samples;  // full scale = 1
  int sampleRate = 0;
};

// Reads any WAV libsndfile understands (integer or float samples, any rate
// and channel count), mixing the channels to mono by averaging. Fails on a
// missing or unreadable file, a rate outside 1000..768000 Hz, a recording
// longer than ten minutes and one without samples.
[[nodiscard]] Result<MonoAudio> readMonoWav(const std::string& path);

// Writes 16-bit PCM mono; samples are rounded and clamped to the 16-bit range.
[[nodiscard]] Result<void> writePcm16Wav(const std::string& path, std::span<const float> samples, int sampleRate);

// Writes 32-bit float mono (used to make test and benchmark recordings).
[[nodiscard]] Result<void> writeFloatWav(const std::string& path, std::span<const float> samples, int sampleRate);

}  // namespace ruvo::resampler
