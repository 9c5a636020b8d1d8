#include "resampler/pitch_marks.h"

#include <algorithm>
#include <cmath>

namespace ruvo::resampler {

namespace {

float sampleAt(std::span<const float> samples, long index) {
  return index >= 0 && index < static_cast<long>(samples.size()) ? samples[static_cast<size_t>(index)] : 0.0f;
}

// samples[first .. first + out.size()) as doubles, 0 outside the recording.
void copyWave(std::span<const float> samples, long first, std::vector<double>& out) {
  if (first >= 0 && first + static_cast<long>(out.size()) <= static_cast<long>(samples.size())) {
    const float* from = samples.data() + first;
    for (size_t j = 0; j < out.size(); ++j) out[j] = from[j];
    return;
  }
  for (size_t j = 0; j < out.size(); ++j) out[j] = sampleAt(samples, first + static_cast<long>(j));
}

// Four sums at once: the additions of one do not wait for another's, which
// is most of the time a mark takes.
double dotProduct(const double* a, const double* b, size_t count) {
  double sum[4] = {0, 0, 0, 0};
  size_t j = 0;
  for (; j + 4 <= count; j += 4) {
    sum[0] += a[j] * b[j];
    sum[1] += a[j + 1] * b[j + 1];
    sum[2] += a[j + 2] * b[j + 2];
    sum[3] += a[j + 3] * b[j + 3];
  }
  for (; j < count; ++j) sum[0] += a[j] * b[j];
  return (sum[0] + sum[1]) + (sum[2] + sum[3]);
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
                                       double from, double to, const MarkOptions& options) {
  std::vector<PitchMark> marks;
  std::vector<double> previousWave;
  std::vector<double> candidateWave;
  std::vector<double> score;
  size_t frame = 0;
  while (frame < f0.size()) {
    if (f0[frame] <= 0) {
      ++frame;
      continue;
    }
    size_t runEnd = frame;
    while (runEnd < f0.size() && f0[runEnd] > 0) ++runEnd;
    const double regionStart = std::max(static_cast<double>(frame) * kFrameSamples, std::floor(from));
    const double regionEnd =
        std::min({static_cast<double>(runEnd) * kFrameSamples, static_cast<double>(samples.size()), std::ceil(to)});
    if (regionStart >= regionEnd) {
      frame = runEnd;
      continue;
    }

    // The first mark sits on the highest peak of the first period.
    double period = kSampleRate / f0[frame];
    long first = static_cast<long>(regionStart);
    for (long n = first; n < static_cast<long>(regionStart + period) && n < static_cast<long>(regionEnd); ++n)
      if (sampleAt(samples, n) > sampleAt(samples, first)) first = n;
    double mark = static_cast<double>(first);
    while (mark < regionEnd) {
      const double local = f0At(f0, mark);
      period = kSampleRate / std::max(kMinF0 / 2, local > 0 ? local : f0[frame]);
      marks.push_back({mark, period});
      const double predicted = mark + period;
      const long reach = static_cast<long>(period * options.searchShare);
      const long half = static_cast<long>(period / 2);
      // Follow the waveform only where both periods lie inside the voiced
      // run; at its edges the prediction is all there is to go on.
      if (mark - static_cast<double>(half) < regionStart ||
          predicted + static_cast<double>(half + reach + 2) >= regionEnd) {
        mark = predicted;
        continue;
      }
      // Both periods are compared on the sample grid, the previous one around
      // the sample nearest its mark; the best match is then moved by the
      // same fraction, so that no rounding creeps into the spacing of marks.
      const long previous = std::lround(mark);
      const double fraction = mark - static_cast<double>(previous);
      const long centre = std::lround(predicted - fraction);
      const size_t width = static_cast<size_t>(2 * half + 1);
      previousWave.resize(width);
      copyWave(samples, previous - half, previousWave);
      candidateWave.resize(width + static_cast<size_t>(2 * reach));
      copyWave(samples, centre - half - reach, candidateWave);
      score.assign(static_cast<size_t>(2 * reach + 1), 0.0);
      // The candidate's energy slides with the shift: one sample leaves the
      // window and one enters.
      double energy = 0;
      for (size_t j = 0; j < width; ++j) energy += candidateWave[j] * candidateWave[j];
      for (size_t shift = 0; shift < score.size(); ++shift) {
        if (shift > 0) {
          const double leaving = candidateWave[shift - 1];
          const double entering = candidateWave[shift + width - 1];
          energy = std::max(0.0, energy - leaving * leaving + entering * entering);
        }
        // Normalised by the candidate's energy so that loudness does not
        // pull the marks.
        score[shift] = dotProduct(previousWave.data(), candidateWave.data() + shift, width) / std::sqrt(energy + 1e-12);
      }
      size_t best = 0;
      for (size_t shift = 1; shift < score.size(); ++shift)
        if (score[shift] > score[best]) best = shift;
      double refined = static_cast<double>(centre) + fraction + static_cast<double>(best) - static_cast<double>(reach);
      if (best > 0 && best + 1 < score.size()) {
        const double curvature = score[best - 1] - 2 * score[best] + score[best + 1];
        if (curvature < 0) refined += 0.5 * (score[best - 1] - score[best + 1]) / curvature;
      }
      // Never let a mark step back or skip a period.
      mark = std::clamp(refined, mark + period * 0.5, mark + period * 1.5);
    }
    frame = runEnd;
  }
  return marks;
}

}  // namespace ruvo::resampler
