#pragma once
// Real FFT of a power-of-two size: a complex radix-2 transform of half the
// size over the even and odd samples, untangled into the real signal's
// spectrum. Computed in double precision.

#include <complex>
#include <span>
#include <vector>

namespace ruvo::resampler {

class RealFft {
 public:
  // size must be a power of two, at least 2.
  explicit RealFft(int size);

  int size() const { return m_size; }
  // in: size samples; out: size / 2 + 1 bins.
  void forward(std::span<const float> in, std::span<std::complex<float>> out);
  // in: size / 2 + 1 bins; out: size samples, scaled by size (unnormalised).
  void inverse(std::span<const std::complex<float>> in, std::span<float> out);

 private:
  // In place over m_work; inverse runs with the conjugate twiddles.
  void transformHalf(bool inverse);

  int m_size;
  std::vector<std::complex<double>> m_twiddles;  // e^(-2 pi i k / size), k < size / 2
  std::vector<size_t> m_reversed;                // bit-reversed index of each of size / 2
  std::vector<std::complex<double>> m_work;      // size / 2
};

}  // namespace ruvo::resampler
