#pragma once
// The pitch curve argument: offsets in cents from the note, as points.
//  - Tempo form, first value "<cents>Q<tempo>" (or with "P"): point i lies
//    i x floor(0.625 / tempo x 44100 + 0.5) samples after the start of the
//    output (one 96th of a beat).
//  - Old form, no "P" or "Q" in the first value: point i lies at frame i
//    (i x 256 samples) of the recording, counted from its start.
// Values between points are interpolated linearly; before the first point
// the first value holds, past the last point the last value holds.

#include <span>
#include <string>
#include <vector>

namespace ruvo::resampler {

struct PitchCurve {
  bool tempoForm = true;
  double interval = 0;         // samples between points (at 44100 Hz)
  std::vector<double> cents;   // empty: no bend

  // Offset in cents at a position (samples): output samples in the tempo
  // form, recording samples in the old form.
  double centsAt(double position) const;
};

// Builds the curve from the words of the argument (the text arrives split at
// its spaces). Each value is its leading number ("12.5Q120" reads 12.5, a
// word without a number reads 0). A tempo that is missing, not positive or
// not finite reads as 120.
PitchCurve parsePitchCurve(std::span<const std::string> words);

}  // namespace ruvo::resampler
