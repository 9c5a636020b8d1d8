#pragma once
// Sample-rate conversion over libsamplerate: the only file that sees it.

#include <span>
#include <vector>

#include "core/error.h"

namespace ruvo::resampler {

// Converts mono samples from one rate to another with a band-limited sinc
// converter; the same rate returns a copy. The result has
// round(size x to / from) samples.
[[nodiscard]] Result<std::vector<float>> convertRate(std::span<const float> samples, int fromRate, int toRate);

}  // namespace ruvo::resampler
