#include "voicebank/oto_analysis.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ruvo {
namespace {

double dbToRatio(double db) { return std::pow(10.0, db / 20.0); }

// RMS of each hop-long frame; the last frame may be shorter.
std::vector<double> frameLevels(std::span<const float> samples, size_t hop) {
  std::vector<double> levels;
  for (size_t start = 0; start < samples.size(); start += hop) {
    const size_t end = std::min(samples.size(), start + hop);
    double energy = 0;
    for (size_t i = start; i < end; ++i) energy += static_cast<double>(samples[i]) * samples[i];
    levels.push_back(std::sqrt(energy / static_cast<double>(end - start)));
  }
  return levels;
}

}  // namespace

double periodicityAt(std::span<const float> samples, size_t start, int sampleRate, double minPitchHz,
                     double maxPitchHz) {
  const auto minLag = static_cast<size_t>(std::max(1.0, std::floor(sampleRate / maxPitchHz)));
  const auto maxLag = static_cast<size_t>(std::ceil(sampleRate / minPitchHz));
  // One window of the longest period, compared with itself one lag later.
  const size_t window = maxLag;
  if (minLag > maxLag || start > samples.size() || samples.size() - start < window + maxLag) return 0;
  const float* x = samples.data() + start;
  double best = 0;
  for (size_t lag = minLag; lag <= maxLag; ++lag) {
    double cross = 0, energyA = 0, energyB = 0;
    for (size_t i = 0; i < window; ++i) {
      cross += static_cast<double>(x[i]) * x[i + lag];
      energyA += static_cast<double>(x[i]) * x[i];
      energyB += static_cast<double>(x[i + lag]) * x[i + lag];
    }
    if (energyA <= 0 || energyB <= 0) continue;
    best = std::max(best, cross / std::sqrt(energyA * energyB));
  }
  return best;
}

Result<OtoTiming> analyseRecording(std::span<const float> samples, int sampleRate, const OtoAnalysisOptions& options) {
  if (sampleRate < 1000) return fail(ErrorCode::BadArgument, "sample rate " + std::to_string(sampleRate) + " Hz is too low");
  const auto hop = static_cast<size_t>(std::max(1L, std::lround(options.frameMs * sampleRate / 1000.0)));
  const std::vector<double> levels = frameLevels(samples, hop);
  const double loudest = levels.empty() ? 0 : *std::max_element(levels.begin(), levels.end());
  if (!(loudest >= options.silenceRms)) return fail(ErrorCode::BadFormat, "the recording holds no sound");

  const double soundLevel = loudest * dbToRatio(options.soundThresholdDb);
  const double steadyLevel = loudest * dbToRatio(options.decayThresholdDb);
  const double vowelLevel = loudest * dbToRatio(options.vowelLevelDb);
  // The loudest frame passes every threshold, so these searches always succeed.
  const size_t startFrame = static_cast<size_t>(
      std::find_if(levels.begin(), levels.end(), [&](double l) { return l >= soundLevel; }) - levels.begin());
  const size_t endFrame = levels.size() - 1 -
      static_cast<size_t>(std::find_if(levels.rbegin(), levels.rend(), [&](double l) { return l >= steadyLevel; }) -
                          levels.rbegin());

  size_t onsetFrame = startFrame;
  int run = 0;
  for (size_t f = startFrame; f <= endFrame; ++f) {
    const bool vowel = levels[f] >= vowelLevel &&
        periodicityAt(samples, f * hop, sampleRate, options.minPitchHz, options.maxPitchHz) >= options.periodicity;
    run = vowel ? run + 1 : 0;
    if (run == options.stableFrames) {
      onsetFrame = f + 1 - static_cast<size_t>(run);
      break;
    }
  }

  const double msPerSample = 1000.0 / sampleRate;
  const size_t steadyEnd = std::min(samples.size(), (endFrame + 1) * hop);
  OtoTiming timing;
  timing.offsetMs = static_cast<double>(startFrame * hop) * msPerSample;
  timing.preUtteranceMs = static_cast<double>((onsetFrame - startFrame) * hop) * msPerSample;
  timing.blankMs = static_cast<double>(samples.size() - steadyEnd) * msPerSample;
  const double steadyEndMs = static_cast<double>(steadyEnd) * msPerSample;
  timing.consonantMs = std::max(0.0, std::min(timing.preUtteranceMs + options.consonantMarginMs, steadyEndMs - timing.offsetMs));
  return timing;
}

}  // namespace ruvo
