#pragma once
// Real FFT of a power-of-two size: a complex radix-2 transform of half the
// size over the even and odd samples, untangled into the real signal's
// spectrum. Computed in double precision, real and imaginary parts in
// separate arrays so that the butterflies of a pass run as vectors.

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
  // In place over m_real and m_imag; the inverse turns the other way.
  void transformHalf(bool inverse);

  int m_size;
  std::vector<double> m_cos;        // cos(2 pi k / size), k < size / 2
  std::vector<double> m_sin;        // -sin(2 pi k / size), k < size / 2
  std::vector<double> m_passCos;    // the twiddles of each pass in order: the pass
  std::vector<double> m_passSin;    // of length L holds L / 2 of them from L / 2 - 1
  std::vector<size_t> m_reversed;   // bit-reversed index of each of size / 2
  std::vector<double> m_real;       // size / 2
  std::vector<double> m_imag;
};

}  // namespace ruvo::resampler
