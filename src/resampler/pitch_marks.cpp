#include "resampler/pitch_marks.h"

#include <algorithm>
#include <cmath>

namespace ruvo::resampler {

namespace {

float sampleAt(std::span<const float> samples, long index) {
  return index >= 0 && index < static_cast<long>(samples.size()) ? samples[static_cast<size_t>(index)] : 0.0f;
}

// How well the period around candidate matches the period around previous,
// normalised by the candidate's energy so that loudness does not pull marks.
double match(std::span<const float> samples, long previous, long candidate, long half) {
  double product = 0;
  double energy = 1e-12;
  for (long j = -half; j <= half; ++j) {
    const double value = sampleAt(samples, candidate + j);
    product += sampleAt(samples, previous + j) * value;
    energy += value * value;
  }
  return product / std::sqrt(energy);
}

}  // namespace

double f0At(std::span<const double> f0, double position) {
  if (f0.empty() || position < 0) return 0;
  const auto frame = static_cast<size_t>(position / kFrameSamples);
  if (frame >= f0.size() || f0[frame] <= 0) return 0;
  const double centre = static_cast<double>(frame) * kFrameSamples + kFrameSamples / 2.0;
  const size_t other = position >= centre ? frame + 1 : (frame == 0 ? frame : frame - 1);
  if (other == frame || other >= f0.size() || f0[other] <= 0) return f0[frame];
  const double otherCentre = static_cast<double>(other) * kFrameSamples + kFrameSamples / 2.0;
  const double weight = (position - centre) / (otherCentre - centre);
  return f0[frame] + (f0[other] - f0[frame]) * weight;
}

std::vector<PitchMark> placePitchMarks(std::span<const float> samples, std::span<const double> f0,
                                       const MarkOptions& options) {
  std::vector<PitchMark> marks;
  size_t frame = 0;
  while (frame < f0.size()) {
    if (f0[frame] <= 0) {
      ++frame;
      continue;
    }
    size_t runEnd = frame;
    while (runEnd < f0.size() && f0[runEnd] > 0) ++runEnd;
    const double regionStart = static_cast<double>(frame) * kFrameSamples;
    const double regionEnd = std::min(static_cast<double>(runEnd) * kFrameSamples, static_cast<double>(samples.size()));

    // The first mark sits on the highest peak of the first period.
    double period = kSampleRate / f0[frame];
    long first = static_cast<long>(regionStart);
    for (long n = first; n < static_cast<long>(regionStart + period) && n < static_cast<long>(regionEnd); ++n)
      if (sampleAt(samples, n) > sampleAt(samples, first)) first = n;
    double mark = static_cast<double>(first);
    while (mark < regionEnd) {
      period = kSampleRate / std::max(kMinF0 / 2, f0At(f0, mark) > 0 ? f0At(f0, mark) : f0[frame]);
      marks.push_back({mark, period});
      const double predicted = mark + period;
      const long previous = std::lround(mark);
      const long centre = std::lround(predicted);
      const long reach = static_cast<long>(period * options.searchShare);
      const long half = static_cast<long>(period / 2);
      long best = centre;
      double bestScore = -1e300;
      for (long shift = -reach; shift <= reach; ++shift) {
        const double score = match(samples, previous, centre + shift, half);
        if (score > bestScore) {
          bestScore = score;
          best = centre + shift;
        }
      }
      double refined = static_cast<double>(best);
      if (best > centre - reach && best < centre + reach) {
        const double left = match(samples, previous, best - 1, half);
        const double right = match(samples, previous, best + 1, half);
        const double curvature = left - 2 * bestScore + right;
        if (curvature < 0) refined += 0.5 * (left - right) / curvature;
      }
      // Never let a mark step back or skip a period.
      mark = std::clamp(refined, mark + period * 0.5, mark + period * 1.5);
    }
    frame = runEnd;
  }
  return marks;
}

}  // namespace ruvo::resampler
