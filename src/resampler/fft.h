#pragma once
// Real FFT over kissfft: the only file that sees it.

#include <complex>
#include <memory>
#include <span>

namespace ruvo::resampler {

class RealFft {
 public:
  // size must be even (the pitch analysis uses powers of two).
  explicit RealFft(int size);
  ~RealFft();
  RealFft(const RealFft&) = delete;
  RealFft& operator=(const RealFft&) = delete;

  int size() const { return m_size; }
  // in: size samples; out: size / 2 + 1 bins.
  void forward(std::span<const float> in, std::span<std::complex<float>> out);
  // in: size / 2 + 1 bins; out: size samples, scaled by size (unnormalised).
  void inverse(std::span<const std::complex<float>> in, std::span<float> out);

 private:
  struct State;
  int m_size;
  std::unique_ptr<State> m_state;
};

}  // namespace ruvo::resampler
