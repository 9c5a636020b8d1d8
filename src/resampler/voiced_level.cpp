#include "resampler/voiced_level.h"

#include <algorithm>
#include <cmath>

#include "resampler/constants.h"

namespace ruvo::resampler {

namespace {

// The running sums of the power of counted samples and of their number,
// taken just before each of the given sample indices (sorted, no repeats) in
// one pass: the sums a level window needs are the differences of two of
// them, so only the window edges are kept rather than a sum per sample.
struct PowerSum {
  double power = 0;
  long count = 0;
};

template <typename CountedValue>
std::vector<PowerSum> sumsBefore(const std::vector<long>& indices, CountedValue countedValue) {
  std::vector<PowerSum> sums(indices.size());
  PowerSum running;
  long n = 0;
  for (size_t i = 0; i < indices.size(); ++i) {
    for (; n < indices[i]; ++n) {
      double value = 0;
      if (countedValue(n, value)) {
        running.power += value * value;
        ++running.count;
      }
    }
    sums[i] = running;
  }
  return sums;
}

// Level windows over samples 0..last: their edges are gathered first, then
// summed in one pass, then each window's mean is read off.
class WindowSums {
 public:
  explicit WindowSums(long last) : m_last(last) {}

  void add(long from, long to) {
    m_windows.push_back({std::clamp(from, 0L, m_last), std::clamp(to, 0L, m_last)});
    m_edges.push_back(m_windows.back().from);
    m_edges.push_back(m_windows.back().to);
  }

  template <typename CountedValue>
  void sum(CountedValue countedValue) {
    std::sort(m_edges.begin(), m_edges.end());
    m_edges.erase(std::unique(m_edges.begin(), m_edges.end()), m_edges.end());
    m_sums = sumsBefore(m_edges, countedValue);
  }

  // Mean power of the counted samples of window k, or -1 when fewer than
  // kLevelWindow of them count.
  double mean(size_t k) const {
    const PowerSum& a = at(m_windows[k].from);
    const PowerSum& b = at(m_windows[k].to);
    const auto n = static_cast<double>(b.count - a.count);
    return n >= kLevelWindow ? (b.power - a.power) / n : -1.0;
  }

 private:
  struct Window {
    long from, to;
  };
  const PowerSum& at(long edge) const {
    return m_sums[static_cast<size_t>(std::lower_bound(m_edges.begin(), m_edges.end(), edge) - m_edges.begin())];
  }
  long m_last;
  std::vector<Window> m_windows;
  std::vector<long> m_edges;
  std::vector<PowerSum> m_sums;
};

long gainPoints(size_t outputSamples) { return static_cast<long>(outputSamples) / kLevelHop + 2; }

bool voicedAt(std::span<const double> f0, long n, long sourceSize) {
  const auto frame = static_cast<size_t>(n / kFrameSamples);
  return n >= 0 && n < sourceSize && frame < f0.size() && f0[frame] > 0;
}

}  // namespace

std::vector<double> voicedSourcePower(std::span<const float> samples, std::span<const double> f0, const TimeMap& map,
                                      size_t outputSamples) {
  const auto size = static_cast<long>(samples.size());
  WindowSums sums(size);
  for (long k = 0; k < gainPoints(outputSamples); ++k) {
    const double t = static_cast<double>(k * kLevelHop);
    const double from = std::min(map.sourceAt(t - kLevelWindow), map.sourceAt(t) - kLevelWindow);
    const double to = std::max(map.sourceAt(t + kLevelWindow), map.sourceAt(t) + kLevelWindow);
    sums.add(static_cast<long>(from), static_cast<long>(to));
  }
  sums.sum([&](long n, double& value) {
    value = samples[static_cast<size_t>(n)];
    return voicedAt(f0, n, size);
  });
  std::vector<double> power(static_cast<size_t>(gainPoints(outputSamples)));
  for (size_t k = 0; k < power.size(); ++k) power[k] = sums.mean(k);
  return power;
}

void matchVoicedLevel(std::vector<float>& voiced, std::span<const double> sourcePower, std::span<const double> f0,
                      const TimeMap& map, size_t sourceSize) {
  const long size = static_cast<long>(voiced.size());
  const long points = gainPoints(voiced.size());
  WindowSums sums(size);
  for (long k = 0; k < points; ++k) sums.add(k * kLevelHop - kLevelWindow, k * kLevelHop + kLevelWindow);
  // An output sample counts where the recording it comes from is voiced.
  sums.sum([&](long n, double& value) {
    value = voiced[static_cast<size_t>(n)];
    return voicedAt(f0, static_cast<long>(map.sourceAt(static_cast<double>(n))), static_cast<long>(sourceSize));
  });

  std::vector<double> gains(static_cast<size_t>(points), -1.0);
  for (size_t k = 0; k < gains.size(); ++k) {
    const double out = sums.mean(k);
    const double source = k < sourcePower.size() ? sourcePower[k] : -1.0;
    if (out > 0 && source > 0) gains[k] = std::clamp(std::sqrt(source / out), kMinLevelGain, kMaxLevelGain);
  }
  // Hold the nearest measured gain across stretches with none.
  double held = -1;
  for (double& gain : gains) held = gain = gain > 0 ? gain : held;
  held = 1;
  for (auto gain = gains.rbegin(); gain != gains.rend(); ++gain) held = *gain = *gain > 0 ? *gain : held;
  for (long n = 0; n < size; ++n) {
    const long k = n / kLevelHop;
    const double share = static_cast<double>(n - k * kLevelHop) / kLevelHop;
    const double gain = gains[static_cast<size_t>(k)] * (1 - share) + gains[static_cast<size_t>(k) + 1] * share;
    voiced[static_cast<size_t>(n)] = static_cast<float>(voiced[static_cast<size_t>(n)] * gain);
  }
}

}  // namespace ruvo::resampler
