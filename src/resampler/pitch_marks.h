#pragma once
// Pitch marks: one position per period of the voiced parts of a recording,
// each at the same point of its period's waveform, so that grains cut
// around them line up when they are laid out at a new spacing.

#include <span>
#include <vector>

#include "resampler/constants.h"

namespace ruvo::resampler {

struct PitchMark {
  double position = 0;  // samples
  double period = 0;    // samples
};

struct MarkOptions {
  double searchShare = kMarkSearchShare;  // share of a period a mark may move to follow the waveform
};

// f0: Hz per 256-sample frame, 0 for no pitch. Marks are placed in every run
// of voiced frames between the positions from and to (samples; a run that
// crosses them is cut there), sorted by position.
std::vector<PitchMark> placePitchMarks(std::span<const float> samples, std::span<const double> f0,
                                       double from = 0, double to = 1e18, const MarkOptions& options = {});

// f0 at a recording position, interpolated between the centres of voiced
// frames; 0 when the frame holding the position has no pitch.
double f0At(std::span<const double> f0, double position);

}  // namespace ruvo::resampler
