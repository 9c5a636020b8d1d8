#pragma once
// Reading a signal between its samples.

#include <array>
#include <cmath>
#include <span>

namespace ruvo::resampler {

// Catmull-Rom cubic through the four samples around position; samples
// outside the signal read as 0.
inline float cubicAt(std::span<const float> samples, double position) {
  const double base = std::floor(position);
  const double t = position - base;
  const long i = static_cast<long>(base);
  const long size = static_cast<long>(samples.size());
  double p0, p1, p2, p3;
  if (i >= 1 && i + 2 < size) {
    const float* p = samples.data() + i - 1;
    p0 = p[0], p1 = p[1], p2 = p[2], p3 = p[3];
  } else {
    auto at = [&](long k) { return k >= 0 && k < size ? static_cast<double>(samples[static_cast<size_t>(k)]) : 0.0; };
    p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
  }
  const double value =
      p1 + 0.5 * t * (p2 - p0 + t * (2 * p0 - 5 * p1 + 4 * p2 - p3 + t * (3 * (p1 - p2) + p3 - p0)));
  return static_cast<float>(value);
}

// The weights cubicAt gives the samples before, at, after and two after a
// position that lies the fraction t (0 <= t < 1) past a sample: for reading
// many positions at the same fraction.
inline std::array<double, 4> cubicWeights(double t) {
  const double t2 = t * t;
  const double t3 = t2 * t;
  return {0.5 * (2 * t2 - t - t3), 1 + 0.5 * (3 * t3 - 5 * t2), 0.5 * (t + 4 * t2 - 3 * t3), 0.5 * (t3 - t2)};
}

}  // namespace ruvo::resampler
