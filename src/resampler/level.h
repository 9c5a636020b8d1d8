#pragma once
// Level stages around synthesis: DC removal on the way in, volume and peak
// limiting on the way out.

#include <span>
#include <vector>

#include "resampler/constants.h"

namespace ruvo::resampler {

// Removes the mean and then any slow drift below about 16 Hz.
void removeDc(std::vector<float>& samples, double pole = kDcPole);

// Multiplies by volume / 100 and the note headroom and then limits peaks to `peak` with a smooth
// gain that is never above what each sample needs: the gain dips over
// about 2 x hold samples around a peak instead of flattening the waveform.
void applyVolumeAndLimit(std::vector<float>& samples, double volumePercent, double peak = kLimitPeak,
                         int hold = kLimiterHold, double headroom = kNoteHeadroom);

}  // namespace ruvo::resampler
