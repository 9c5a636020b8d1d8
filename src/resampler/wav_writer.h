#pragma once
// WAV writing for the resampler: mono files whose data chunk follows a
// 16-byte format chunk (18 bytes for float), written whole or not at all.

#include <span>
#include <string>

#include "core/error.h"

namespace ruvo::resampler {

// Writes 16-bit PCM mono; samples are scaled by 32768, rounded down and
// clamped to the 16-bit range. The file appears whole or not at all: it is
// written beside the target and renamed over it, so a resampler stopped
// mid-write never leaves a cut-short note to be taken for a rendered one.
[[nodiscard]] Result<void> writePcm16Wav(const std::string& path, std::span<const float> samples, int sampleRate);

// Writes 32-bit float mono (used to make test and benchmark recordings).
[[nodiscard]] Result<void> writeFloatWav(const std::string& path, std::span<const float> samples, int sampleRate);

}  // namespace ruvo::resampler
