#pragma once
// Removes sound below a frequency from a recording before it is moved up.
// Grains laid out at a higher pitch keep the spectral envelope only at the
// new harmonics: what lay below the new fundamental (a close vowel's first
// formant on the recorded fundamental) lands on no harmonic and only beats
// between them, which is heard as roughness.

#include <vector>

namespace ruvo::resampler {

// Zero-phase high-pass (a second-order Butterworth run forward and then
// backward: 24 dB an octave, -6 dB at cutoffHz), at 44100 Hz.
void cutBelow(std::vector<float>& samples, double cutoffHz);

}  // namespace ruvo::resampler
