#include "burst_detector.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ruvo::resampler::test {

namespace {

// One high-pass biquad section (direct form I).
class HighPass {
 public:
  HighPass(double cutoff, double q, int rate) {
    const double w = 2 * std::numbers::pi * cutoff / rate;
    const double alpha = std::sin(w) / (2 * q);
    const double a0 = 1 + alpha;
    m_b0 = (1 + std::cos(w)) / 2 / a0;
    m_b1 = -(1 + std::cos(w)) / a0;
    m_b2 = m_b0;
    m_a1 = -2 * std::cos(w) / a0;
    m_a2 = (1 - alpha) / a0;
  }
  double operator()(double x) {
    const double y = m_b0 * x + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = x;
    m_y2 = m_y1;
    m_y1 = y;
    return y;
  }

 private:
  double m_b0, m_b1, m_b2, m_a1, m_a2;
  double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

}  // namespace

std::vector<Burst> findBursts(std::span<const float> samples, int rate, const BurstOptions& options) {
  // Butterworth: two sections with the Q values of a fourth order.
  HighPass first(options.cutoffHz, 0.5412, rate);
  HighPass second(options.cutoffHz, 1.3066, rate);
  std::vector<double> high(samples.size());
  for (size_t n = 0; n < samples.size(); ++n) high[n] = second(first(samples[n]));

  const size_t hop = static_cast<size_t>(options.window) / 2;
  std::vector<double> levels;
  for (size_t start = 0; start + static_cast<size_t>(options.window) <= high.size(); start += hop) {
    double sum = 0;
    for (size_t n = start; n < start + static_cast<size_t>(options.window); ++n) sum += high[n] * high[n];
    levels.push_back(10 * std::log10(std::max(sum / options.window, 1e-16)));
  }
  const auto reach = static_cast<long>(options.surroundMs / 1000 * rate / static_cast<double>(hop));
  std::vector<Burst> bursts;
  std::vector<double> around;
  for (long i = 0; i < static_cast<long>(levels.size()); ++i) {
    const double level = levels[static_cast<size_t>(i)];
    if (level < options.floorDb) continue;
    around.clear();
    for (long j = std::max(0L, i - reach); j <= std::min(static_cast<long>(levels.size()) - 1, i + reach); ++j)
      around.push_back(levels[static_cast<size_t>(j)]);
    std::nth_element(around.begin(), around.begin() + static_cast<long>(around.size() / 2), around.end());
    const double surrounding = around[around.size() / 2];
    if (level - surrounding < options.riseDb) continue;
    const double seconds = (static_cast<double>(i) * static_cast<double>(hop) + options.window / 2.0) / rate;
    // Windows of one burst overlap: keep the loudest.
    if (!bursts.empty() && seconds - bursts.back().seconds < 2.0 * options.window / rate) {
      if (level > bursts.back().levelDb) bursts.back() = {seconds, level, level - surrounding};
      continue;
    }
    bursts.push_back({seconds, level, level - surrounding});
  }
  return bursts;
}

}  // namespace ruvo::resampler::test
