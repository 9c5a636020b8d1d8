#pragma once
// Pitch analysis of a recording at 44100 Hz: one estimate every 256
// samples. Each frame's period is found with a normalised difference
// function (the squared difference of the signal and its lagged copy,
// divided by its running mean): the shortest of its dips that divides the
// deepest dip and repeats at every multiple, refined between lags by a
// parabola, then measured again over a short stretch around the frame.
// Frames that are silent or not periodic are unvoiced; frames whose own
// stretch is not steady are bridged between voiced neighbours or left
// unvoiced; voiced frames that lie an octave off their neighbours' median
// are moved back. The frequency tables and the resampler's own analysis
// both use it.

#include <span>
#include <vector>

#include "resampler/constants.h"

namespace ruvo::resampler {

struct PitchOptions {
  double minF0 = kMinF0;                        // Hz
  double maxF0 = kMaxF0;                        // Hz
  double submultipleTolerance = kSubmultipleTolerance;  // how much shallower a period's dip than the deepest may be
  double voicingThreshold = kVoicingThreshold;  // frames whose best lag stays above are unvoiced
  double localPeriodicityThreshold = kLocalPeriodicityThreshold;  // 1 - correlation at the period, near the frame
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
