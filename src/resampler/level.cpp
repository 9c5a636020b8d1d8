#include "resampler/level.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <numeric>

namespace ruvo::resampler {

void removeDc(std::vector<float>& samples, double pole) {
  if (samples.empty()) return;
  const double mean = std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(samples.size());
  double previousIn = 0;
  double previousOut = 0;
  for (float& sample : samples) {
    const double in = sample - mean;
    const double value = in - previousIn + pole * previousOut;
    previousIn = in;
    previousOut = value;
    sample = static_cast<float>(value);
  }
}

void applyVolumeAndLimit(std::vector<float>& samples, double volumePercent, double peak, int hold, double headroom) {
  const auto gain = static_cast<float>(volumePercent / 100.0 * headroom);
  bool overs = false;
  for (float& sample : samples) {
    sample *= gain;
    if (!std::isfinite(sample)) sample = 0.0f;
    overs = overs || std::abs(sample) > peak;
  }
  if (!overs) return;

  const long size = static_cast<long>(samples.size());
  std::vector<double> needed(samples.size());
  for (long n = 0; n < size; ++n) {
    const double magnitude = std::abs(samples[static_cast<size_t>(n)]);
    needed[static_cast<size_t>(n)] = magnitude > peak ? peak / magnitude : 1.0;
  }
  // Minimum over +-hold (monotonic queue), then a moving average over +-hold:
  // each averaged value comes from minima whose windows all contain the
  // sample, so the smoothed gain never exceeds the gain that sample needs.
  std::vector<double> minimum(samples.size());
  std::deque<long> queue;
  for (long n = 0; n < size + hold; ++n) {
    if (n < size) {
      while (!queue.empty() && needed[static_cast<size_t>(queue.back())] >= needed[static_cast<size_t>(n)]) queue.pop_back();
      queue.push_back(n);
    }
    const long centre = n - hold;
    if (centre < 0) continue;
    while (queue.front() < centre - hold) queue.pop_front();
    minimum[static_cast<size_t>(centre)] = needed[static_cast<size_t>(queue.front())];
  }
  double sum = 0;
  long count = 0;
  for (long n = 0; n < size + hold; ++n) {
    if (n < size) {
      sum += minimum[static_cast<size_t>(n)];
      ++count;
    }
    const long centre = n - hold;
    if (centre < 0) continue;
    if (centre - hold - 1 >= 0) {
      sum -= minimum[static_cast<size_t>(centre - hold - 1)];
      --count;
    }
    samples[static_cast<size_t>(centre)] = static_cast<float>(samples[static_cast<size_t>(centre)] * (sum / static_cast<double>(count)));
  }
}

}  // namespace ruvo::resampler
