#include "resampler/low_cut.h"

#include <cmath>
#include <numbers>

#include "resampler/constants.h"

namespace ruvo::resampler {

namespace {

template <typename Iterator>
void highPassPass(Iterator begin, Iterator end, double b0, double b1, double b2, double a1, double a2) {
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  for (auto it = begin; it != end; ++it) {
    const double x = *it;
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    *it = static_cast<float>(y);
  }
}

}  // namespace

void cutBelow(std::vector<float>& samples, double cutoffHz) {
  if (samples.empty() || !(cutoffHz > 0) || cutoffHz >= kSampleRate / 2.0) return;
  const double w = 2 * std::numbers::pi * cutoffHz / kSampleRate;
  const double alpha = std::sin(w) / (2 * std::numbers::sqrt2 / 2);
  const double a0 = 1 + alpha;
  const double b0 = (1 + std::cos(w)) / 2 / a0;
  const double b1 = -(1 + std::cos(w)) / a0;
  const double a1 = -2 * std::cos(w) / a0;
  const double a2 = (1 - alpha) / a0;
  highPassPass(samples.begin(), samples.end(), b0, b1, b0, a1, a2);
  highPassPass(samples.rbegin(), samples.rend(), b0, b1, b0, a1, a2);
}

}  // namespace ruvo::resampler
