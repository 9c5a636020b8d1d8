#include "resampler/pitch_analysis.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "resampler/fft.h"

namespace ruvo::resampler {

namespace {

constexpr int kFftSize = 2048;
// Shortest stretch (samples) over which a frame's period is measured again.
constexpr int kLocalWindow = 512;
// Most by which the energy of a stretch and of the stretch one period later
// may differ (factor) in a voiced frame: 3 dB a period.
constexpr double kSteadyEnergyRatio = 2.0;
// Longest run of doubtful frames bridged between voiced ones: about 23 ms,
// shorter than any unvoiced consonant.
constexpr int kMaxBridgedFrames = 4;

struct FrameEstimate {
  double period = 0;     // samples
  double dip = 1;        // normalised difference at the period (0 = perfectly periodic)
  bool doubtful = false; // periodic over the long window, not around the frame itself
};

// A local minimum of the normalised difference function.
struct Dip {
  double lag = 0;    // samples, refined between lags by a parabola
  double value = 1;  // at the integer lag of the minimum
};

// Computes the normalised difference function of one frame through FFT
// correlation and picks its period.
class PeriodFinder {
 public:
  PeriodFinder(std::span<const float> samples, const PitchOptions& options)
      : m_samples(samples),
        m_fft(kFftSize),
        m_minLag(std::max(2, static_cast<int>(std::floor(kSampleRate / options.maxF0)))),
        m_maxLag(std::min(kFftSize - kPitchWindow - 2, static_cast<int>(std::ceil(kSampleRate / options.minF0)))),
        m_tolerance(options.submultipleTolerance),
        m_localPeriodicity(options.localPeriodicityThreshold),
        m_a(kFftSize),
        m_b(kFftSize),
        m_spectrumA(kFftSize / 2 + 1),
        m_spectrumB(kFftSize / 2 + 1),
        m_correlation(kFftSize),
        m_energy(static_cast<size_t>(kPitchWindow + m_maxLag) + 1),
        m_normalised(static_cast<size_t>(m_maxLag) + 2) {}

  FrameEstimate estimate(long center) {
    const long start = center - (kPitchWindow + m_maxLag) / 2;
    const int span = kPitchWindow + m_maxLag;
    std::fill(m_a.begin(), m_a.end(), 0.0f);
    std::fill(m_b.begin(), m_b.end(), 0.0f);
    m_energy[0] = 0;
    for (int j = 0; j < span; ++j) {
      const long index = start + j;
      const float value = index >= 0 && index < static_cast<long>(m_samples.size()) ? m_samples[static_cast<size_t>(index)] : 0.0f;
      m_b[static_cast<size_t>(j)] = value;
      if (j < kPitchWindow) m_a[static_cast<size_t>(j)] = value;
      m_energy[static_cast<size_t>(j) + 1] = m_energy[static_cast<size_t>(j)] + static_cast<double>(value) * value;
    }
    m_fft.forward(m_a, m_spectrumA);
    m_fft.forward(m_b, m_spectrumB);
    for (size_t k = 0; k < m_spectrumA.size(); ++k) m_spectrumA[k] = std::conj(m_spectrumA[k]) * m_spectrumB[k];
    m_fft.inverse(m_spectrumA, m_correlation);

    const double energy0 = m_energy[kPitchWindow];
    if (energy0 <= 0) return {};
    double runningSum = 0;
    m_normalised[0] = 1;
    for (int lag = 1; lag <= m_maxLag; ++lag) {
      const double energyLag = m_energy[static_cast<size_t>(lag + kPitchWindow)] - m_energy[static_cast<size_t>(lag)];
      const double correlation = m_correlation[static_cast<size_t>(lag)] / kFftSize;
      const double difference = std::max(0.0, energy0 + energyLag - 2 * correlation);
      runningSum += difference;
      m_normalised[static_cast<size_t>(lag)] = runningSum > 0 ? difference * lag / runningSum : 1;
    }

    FrameEstimate found = pickPeriod();
    if (found.period > 0) found = refineNear(center, found);
    return found;
  }

 private:
  // The deepest dip lies at the period or at a multiple of it: a harmonic or
  // a formant (F1 near a harmonic rings at its own rate inside each period)
  // leaves shallower dips at shorter lags, never deeper ones. The period is
  // the shortest lag that divides the deepest one and whose every multiple
  // up to it is nearly as deep, as a true period's are.
  FrameEstimate pickPeriod() {
    m_dips.clear();
    for (int lag = m_minLag; lag < m_maxLag; ++lag) {
      const double mid = m_normalised[static_cast<size_t>(lag)];
      const double left = m_normalised[static_cast<size_t>(lag) - 1];
      const double right = m_normalised[static_cast<size_t>(lag) + 1];
      if (!(mid < left && mid <= right)) continue;
      double refined = lag;
      const double curvature = left - 2 * mid + right;
      if (curvature > 0) refined += 0.5 * (left - right) / curvature;
      m_dips.push_back({refined, mid});
    }
    if (m_dips.empty()) return {};
    const Dip deepest = *std::min_element(m_dips.begin(), m_dips.end(),
                                          [](const Dip& a, const Dip& b) { return a.value < b.value; });
    const double limit = deepest.value + m_tolerance;
    for (const Dip& dip : m_dips) {
      if (dip.value > limit) continue;
      const double multiples = std::round(deepest.lag / dip.lag);
      if (std::abs(deepest.lag - multiples * dip.lag) > reachAt(deepest.lag)) continue;
      bool periodic = true;
      for (int k = 2; k < static_cast<int>(multiples) && periodic; ++k) {
        const Dip* other = dipNear(dip.lag * k);
        periodic = other && other->value <= limit;
      }
      if (periodic) return {dip.lag, dip.value};
    }
    return {deepest.lag, deepest.value};
  }

  // How far (samples) a multiple of a period may sit from where a dip is
  // found: 3 % for the pitch moving within the window, and one sample.
  static double reachAt(double lag) { return 1 + 0.03 * lag; }

  // The period measured again, within 5 % of the one found, by normalised
  // correlation over a short stretch centred on the frame: the long window
  // finds the right period among its multiples and harmonics, but where the
  // voice starts or stops it also reaches into what lies before or after
  // the frame.
  FrameEstimate refineNear(long center, FrameEstimate found) {
    const double period = found.period;
    const int width = std::max(kLocalWindow, static_cast<int>(std::ceil(2 * period)));
    const int low = std::max(m_minLag, static_cast<int>(std::floor(period * 0.95)));
    const int high = std::min(m_maxLag, static_cast<int>(std::ceil(period * 1.05)));
    const auto at = [this](long n) {
      return n >= 0 && n < static_cast<long>(m_samples.size()) ? static_cast<double>(m_samples[static_cast<size_t>(n)]) : 0.0;
    };
    m_local.assign(static_cast<size_t>(high - low + 1), 1.0);
    m_balance.assign(m_local.size(), kSteadyEnergyRatio * 2);
    for (int lag = low; lag <= high; ++lag) {
      const long start = center - (width + lag) / 2;
      double product = 0;
      double energyA = 0;
      double energyB = 0;
      for (int j = 0; j < width; ++j) {
        const double a = at(start + j);
        const double b = at(start + j + lag);
        product += a * b;
        energyA += a * a;
        energyB += b * b;
      }
      const double norm = std::sqrt(energyA * energyB);
      m_local[static_cast<size_t>(lag - low)] = norm > 0 ? 1 - product / norm : 1.0;
      m_balance[static_cast<size_t>(lag - low)] =
          energyA > 0 && energyB > 0 ? std::max(energyA / energyB, energyB / energyA) : kSteadyEnergyRatio * 2;
    }
    const auto best = static_cast<size_t>(std::min_element(m_local.begin(), m_local.end()) - m_local.begin());
    // Where the level changes fast (the voice starting or dying away) or
    // the stretch is not periodic (a join, noise mixed in), the long
    // window's period is not the frame's.
    if (m_balance[best] > kSteadyEnergyRatio || m_local[best] > m_localPeriodicity) {
      found.doubtful = true;
      return found;
    }
    if (best == 0 || best + 1 >= m_local.size()) return found;
    const double left = m_local[best - 1];
    const double mid = m_local[best];
    const double right = m_local[best + 1];
    const double curvature = left - 2 * mid + right;
    found.period = static_cast<double>(low) + static_cast<double>(best);
    if (curvature > 0) found.period += 0.5 * (left - right) / curvature;
    return found;
  }

  // The deepest dip within reach of a lag, if any.
  const Dip* dipNear(double lag) const {
    const double reach = reachAt(lag);
    const Dip* found = nullptr;
    for (const Dip& dip : m_dips)
      if (std::abs(dip.lag - lag) <= reach && (!found || dip.value < found->value)) found = &dip;
    return found;
  }

  std::span<const float> m_samples;
  RealFft m_fft;
  int m_minLag;
  int m_maxLag;
  double m_tolerance;
  double m_localPeriodicity;
  std::vector<Dip> m_dips;
  std::vector<double> m_local;
  std::vector<double> m_balance;
  std::vector<float> m_a;
  std::vector<float> m_b;
  std::vector<std::complex<float>> m_spectrumA;
  std::vector<std::complex<float>> m_spectrumB;
  std::vector<float> m_correlation;
  std::vector<double> m_energy;
  std::vector<double> m_normalised;
};

double medianOf(std::vector<double> values) {
  if (values.empty()) return 0;
  auto middle = values.begin() + static_cast<long>(values.size() / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

// Moves frames that sit near twice or half their neighbours' median back
// into that octave, and drops single voiced frames between unvoiced ones.
void guardOctaves(std::vector<double>& f0, int radius) {
  const std::vector<double> original = f0;
  const long count = static_cast<long>(f0.size());
  for (long i = 0; i < count; ++i) {
    if (original[static_cast<size_t>(i)] <= 0) continue;
    std::vector<double> neighbours;
    for (long j = std::max(0L, i - radius); j <= std::min(count - 1, i + radius); ++j)
      if (original[static_cast<size_t>(j)] > 0) neighbours.push_back(original[static_cast<size_t>(j)]);
    const double median = medianOf(neighbours);
    const double ratio = original[static_cast<size_t>(i)] / median;
    // A third of an octave either side of the double or the half.
    if (ratio > 1.6 && ratio < 2.5) f0[static_cast<size_t>(i)] /= 2;
    if (ratio > 0.4 && ratio < 0.63) f0[static_cast<size_t>(i)] *= 2;
  }
  for (long i = 0; i < count; ++i) {
    const bool before = i > 0 && original[static_cast<size_t>(i - 1)] > 0;
    const bool after = i + 1 < count && original[static_cast<size_t>(i + 1)] > 0;
    if (!before && !after) f0[static_cast<size_t>(i)] = 0;
  }
}

// Doubtful frames between voiced ones (a join inside a vowel, the noise of
// a voiced consonant) take the pitch interpolated between their voiced
// neighbours, so that a vowel has no unvoiced holes; elsewhere (where the
// voice starts or dies away) they stay unvoiced.
void bridgeDoubtfulFrames(std::vector<double>& f0, const std::vector<bool>& doubtful) {
  const size_t count = f0.size();
  size_t i = 0;
  while (i < count) {
    if (!doubtful[i] || f0[i] > 0) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < count && doubtful[end] && f0[end] <= 0) ++end;
    const size_t length = end - i;
    if (i > 0 && end < count && f0[i - 1] > 0 && f0[end] > 0 && length <= static_cast<size_t>(kMaxBridgedFrames)) {
      const double ratio = f0[end] / f0[i - 1];
      for (size_t j = i; j < end; ++j)
        f0[j] = f0[i - 1] * std::pow(ratio, static_cast<double>(j - i + 1) / static_cast<double>(length + 1));
    }
    i = end;
  }
}

}  // namespace

size_t frameCountOf(size_t sampleCount) {
  return std::max<size_t>(1, (sampleCount + kFrameSamples - 1) / kFrameSamples);
}

PitchTrack analysePitch(std::span<const float> samples, const PitchOptions& options) {
  const size_t frames = frameCountOf(samples.size());
  PitchTrack track;
  track.f0.assign(frames, 0.0);
  track.rms.assign(frames, 0.0);
  double loudest = 0;
  for (size_t i = 0; i < frames; ++i) {
    double sum = 0;
    const size_t begin = i * kFrameSamples;
    const size_t end = std::min(samples.size(), begin + kFrameSamples);
    for (size_t n = begin; n < end; ++n) sum += static_cast<double>(samples[n]) * samples[n];
    track.rms[i] = std::sqrt(sum / kFrameSamples);
    loudest = std::max(loudest, track.rms[i]);
  }
  if (loudest <= 0) return track;
  const double silence = loudest * std::pow(10.0, -options.silenceDb / 20);

  PeriodFinder finder(samples, options);
  std::vector<bool> doubtful(frames, false);
  for (size_t i = 0; i < frames; ++i) {
    if (track.rms[i] < silence) continue;
    const FrameEstimate estimate = finder.estimate(static_cast<long>(i * kFrameSamples + kFrameSamples / 2));
    if (estimate.period <= 0 || estimate.dip > options.voicingThreshold) continue;
    if (estimate.doubtful)
      doubtful[i] = true;
    else
      track.f0[i] = kSampleRate / estimate.period;
  }
  guardOctaves(track.f0, options.octaveGuardRadius);
  bridgeDoubtfulFrames(track.f0, doubtful);
  return track;
}

}  // namespace ruvo::resampler
