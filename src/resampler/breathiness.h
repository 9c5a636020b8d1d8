#pragma once
// Breathiness: in voiced parts a recording is split into its periodic part
// (what repeats from one period to the next) and its aperiodic rest (breath
// and noise), and the rest is scaled.

#include <span>
#include <vector>

namespace ruvo::resampler {

// breathiness 0..100: 50 leaves the samples unchanged, 0 removes the
// aperiodic part, 100 doubles it. f0: Hz per 256-sample frame, 0 = no pitch
// (such frames are left as they are).
void scaleBreathiness(std::vector<float>& samples, std::span<const double> f0, double breathiness);

}  // namespace ruvo::resampler
