#pragma once
// Pitch analysis of a recording at 44100 Hz: one estimate every 256
// samples. Each frame's period is found with a normalised difference
// function (the squared difference of the signal and its lagged copy,
// divided by its running mean), refined between lags by a parabola; frames
// that are silent or not periodic enough are unvoiced, and voiced frames
// that lie an octave off their neighbours' median are moved back.

#include <span>
#include <vector>

#include "resampler/constants.h"

namespace ruvo::resampler {

struct PitchOptions {
  double minF0 = kMinF0;                        // Hz
  double maxF0 = kMaxF0;                        // Hz
  double periodThreshold = kPeriodThreshold;    // first lag below this is the period
  double voicingThreshold = kVoicingThreshold;  // frames whose best lag stays above are unvoiced
  double silenceDb = kSilenceDb;                // dB below the loudest frame
  int octaveGuardRadius = kOctaveGuardRadius;   // frames
};

struct PitchTrack {
  // Frame i describes the samples around i x 256 + 128.
  std::vector<double> f0;   // Hz, 0 for a frame without pitch
  std::vector<double> rms;  // root mean square of the frame's 256 samples
};

// Frame count: ceil(size / 256), at least 1.
size_t frameCountOf(size_t sampleCount);

PitchTrack analysePitch(std::span<const float> samples, const PitchOptions& options = {});

}  // namespace ruvo::resampler
