#pragma once
// Sample-rate conversion of a whole recording by band-limited interpolation:
// each output sample is the sum of the input samples around its place,
// weighted by a Kaiser-windowed sinc whose cut-off lies just below the
// lower of the two Nyquist frequencies.

#include <span>
#include <vector>

#include "core/error.h"

namespace ruvo::resampler {

// Converts mono samples from one rate to another; the same rate returns a
// copy. The result has round(size x to / from) samples.
[[nodiscard]] Result<std::vector<float>> convertRate(std::span<const float> samples, int fromRate, int toRate);

}  // namespace ruvo::resampler
