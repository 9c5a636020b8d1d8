#include "resampler/rate_converter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ruvo::resampler {

namespace {

// Zero crossings of the sinc either side of its centre, and table entries
// per crossing (the kernel is read between them linearly). With the Kaiser
// window below and the cut-off at 0.9 of the lower Nyquist frequency, a
// conversion from 48000 Hz is flat to 18 kHz and 60 dB down at 22 kHz.
constexpr int kCrossings = 24;
constexpr int kStepsPerCrossing = 256;
constexpr double kKaiserBeta = 9.0;
constexpr double kCutoffShare = 0.9;

double besselI0(double x) {
  double sum = 1;
  double term = 1;
  for (int k = 1; k < 50 && term > sum * 1e-17; ++k) {
    term *= (x / (2 * k)) * (x / (2 * k));
    sum += term;
  }
  return sum;
}

// The windowed sinc at 0, 1 / kStepsPerCrossing, ... crossings from its
// centre, with one entry past the end (0) for the interpolation.
std::vector<double> kernelTable() {
  const int size = kCrossings * kStepsPerCrossing;
  std::vector<double> table(static_cast<size_t>(size) + 2, 0.0);
  const double norm = besselI0(kKaiserBeta);
  for (int i = 0; i <= size; ++i) {
    const double u = static_cast<double>(i) / kStepsPerCrossing;
    const double sinc = i == 0 ? 1.0 : std::sin(std::numbers::pi * u) / (std::numbers::pi * u);
    const double edge = u / kCrossings;
    table[static_cast<size_t>(i)] = sinc * besselI0(kKaiserBeta * std::sqrt(std::max(0.0, 1 - edge * edge))) / norm;
  }
  return table;
}

}  // namespace

Result<std::vector<float>> convertRate(std::span<const float> samples, int fromRate, int toRate) {
  if (fromRate <= 0 || toRate <= 0) return fail(ErrorCode::BadArgument, "sample rate must be positive");
  if (fromRate == toRate || samples.empty()) return std::vector<float>(samples.begin(), samples.end());
  const double ratio = static_cast<double>(toRate) / fromRate;
  const auto outCount = static_cast<size_t>(std::llround(static_cast<double>(samples.size()) * ratio));
  const std::vector<double> table = kernelTable();
  // Cut-off in cycles per input sample, relative to the input's Nyquist.
  const double cutoff = kCutoffShare * std::min(1.0, ratio);
  const double reach = kCrossings / cutoff;  // input samples either side
  const auto last = static_cast<long>(samples.size()) - 1;
  std::vector<float> out(outCount);
  for (size_t m = 0; m < outCount; ++m) {
    const double centre = static_cast<double>(m) * fromRate / toRate;
    const long first = std::max(0L, static_cast<long>(std::ceil(centre - reach)));
    const long end = std::min(last, static_cast<long>(std::floor(centre + reach)));
    double sum = 0;
    for (long n = first; n <= end; ++n) {
      const double position = std::abs(centre - static_cast<double>(n)) * cutoff * kStepsPerCrossing;
      const auto index = static_cast<size_t>(position);
      if (index >= static_cast<size_t>(kCrossings * kStepsPerCrossing)) continue;
      const double share = position - static_cast<double>(index);
      const double weight = table[index] + (table[index + 1] - table[index]) * share;
      sum += weight * samples[static_cast<size_t>(n)];
    }
    out[m] = static_cast<float>(sum * cutoff);
  }
  return out;
}

}  // namespace ruvo::resampler
