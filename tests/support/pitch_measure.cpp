#include "support/pitch_measure.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ruvo::testing {

double measureF0(std::span<const float> samples, long centre, int window, double* periodicity, int rate) {
  const int minLag = rate / 1200;
  const int maxLag = rate / 50;
  if (centre - (window + maxLag) / 2 - 1 < 0 || centre + (window + maxLag) / 2 + 2 >= static_cast<long>(samples.size())) return 0;
  auto at = [&](long n) { return static_cast<double>(samples[static_cast<size_t>(n)]); };
  std::vector<double> score(static_cast<size_t>(maxLag) + 2, 0.0);
  double best = 0;
  for (int lag = minLag; lag <= maxLag + 1; ++lag) {
    // The compared stretch is centred on the centre for every lag.
    const long start = centre - (window + lag) / 2;
    double product = 0, energy = 0, energy0 = 0;
    for (int j = 0; j < window; ++j) {
      product += at(start + j) * at(start + j + lag);
      energy += at(start + j + lag) * at(start + j + lag);
      energy0 += at(start + j) * at(start + j);
    }
    score[static_cast<size_t>(lag)] = product / std::sqrt(energy0 * energy + 1e-20);
    best = std::max(best, score[static_cast<size_t>(lag)]);
  }
  if (periodicity) *periodicity = best;
  if (best < 0.5) return 0;
  // The first peak that comes near the best, so that multiples of the
  // period do not win.
  for (int lag = minLag + 1; lag <= maxLag; ++lag) {
    const double s = score[static_cast<size_t>(lag)];
    if (s >= 0.9 * best && s >= score[static_cast<size_t>(lag) - 1] && s >= score[static_cast<size_t>(lag) + 1]) {
      const double left = score[static_cast<size_t>(lag) - 1], right = score[static_cast<size_t>(lag) + 1];
      const double curvature = left - 2 * s + right;
      const double shift = curvature < 0 ? 0.5 * (left - right) / curvature : 0;
      return rate / (lag + shift);
    }
  }
  return 0;
}

double cents(double f, double reference) { return 1200 * std::log2(f / reference); }

double rms(std::span<const float> samples) {
  double sum = 0;
  for (float s : samples) sum += static_cast<double>(s) * s;
  return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

}  // namespace ruvo::testing
