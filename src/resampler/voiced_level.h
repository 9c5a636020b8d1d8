#pragma once
// Voiced grains laid out at a new spacing keep the spectral envelope, but
// energy that lay below the new fundamental (a close vowel's first formant
// on the fundamental, shifted up) finds no harmonic to land on, and sound
// between the harmonics cancels or adds with the overlap. Each stretch of
// voiced output is therefore brought to the power of the voiced recording
// it comes from: gains measured every kLevelHop output samples over
// kLevelWindow samples either side, held where there is nothing voiced to
// measure, and joined linearly.

#include <span>
#include <vector>

#include "resampler/time_map.h"

namespace ruvo::resampler {

// The recording's side: the mean power of its voiced samples (those whose
// frame has a pitch) around each point where a gain is measured, k =
// 0 .. outputSamples / kLevelHop + 1, or -1 where fewer than kLevelWindow of
// them are voiced. Taken from the recording as it was, before a low cut.
std::vector<double> voicedSourcePower(std::span<const float> samples, std::span<const double> f0, const TimeMap& map,
                                      size_t outputSamples);

// Brings voiced output (read from a recording of sourceSize samples) to
// that power.
void matchVoicedLevel(std::vector<float>& voiced, std::span<const double> sourcePower, std::span<const double> f0,
                      const TimeMap& map, size_t sourceSize);

}  // namespace ruvo::resampler
