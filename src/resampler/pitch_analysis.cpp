#include "resampler/pitch_analysis.h"

#include <algorithm>
#include <cmath>
#include <complex>

#include "resampler/fft.h"

namespace ruvo::resampler {

namespace {

constexpr int kFftSize = 2048;

struct FrameEstimate {
  double period = 0;  // samples
  double dip = 1;     // normalised difference at the period (0 = perfectly periodic)
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
        m_threshold(options.periodThreshold),
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

    int best = -1;
    for (int lag = m_minLag; lag < m_maxLag; ++lag) {
      if (m_normalised[static_cast<size_t>(lag)] < m_threshold) {
        while (lag + 1 < m_maxLag && m_normalised[static_cast<size_t>(lag) + 1] < m_normalised[static_cast<size_t>(lag)]) ++lag;
        best = lag;
        break;
      }
    }
    if (best < 0) {
      best = m_minLag;
      for (int lag = m_minLag; lag < m_maxLag; ++lag)
        if (m_normalised[static_cast<size_t>(lag)] < m_normalised[static_cast<size_t>(best)]) best = lag;
    }
    double period = best;
    const double left = m_normalised[static_cast<size_t>(best) - 1];
    const double mid = m_normalised[static_cast<size_t>(best)];
    const double right = m_normalised[static_cast<size_t>(best) + 1];
    const double curvature = left - 2 * mid + right;
    if (curvature > 0) period += 0.5 * (left - right) / curvature;
    return {period, mid};
  }

 private:
  std::span<const float> m_samples;
  RealFft m_fft;
  int m_minLag;
  int m_maxLag;
  double m_threshold;
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
  for (size_t i = 0; i < frames; ++i) {
    if (track.rms[i] < silence) continue;
    const FrameEstimate estimate = finder.estimate(static_cast<long>(i * kFrameSamples + kFrameSamples / 2));
    if (estimate.period <= 0 || estimate.dip > options.voicingThreshold) continue;
    track.f0[i] = kSampleRate / estimate.period;
  }
  guardOctaves(track.f0, options.octaveGuardRadius);
  return track;
}

}  // namespace ruvo::resampler
