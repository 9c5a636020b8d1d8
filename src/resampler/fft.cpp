#include "resampler/fft.h"

#include <kissfft/kiss_fftr.h>

namespace ruvo::resampler {

static_assert(sizeof(kiss_fft_cpx) == sizeof(std::complex<float>),
              "kissfft's complex type must be laid out as std::complex<float>");

struct RealFft::State {
  kiss_fftr_cfg forward = nullptr;
  kiss_fftr_cfg inverse = nullptr;
  ~State() {
    kiss_fftr_free(forward);
    kiss_fftr_free(inverse);
  }
};

RealFft::RealFft(int size) : m_size(size), m_state(std::make_unique<State>()) {
  m_state->forward = kiss_fftr_alloc(size, 0, nullptr, nullptr);
  m_state->inverse = kiss_fftr_alloc(size, 1, nullptr, nullptr);
}

RealFft::~RealFft() = default;

void RealFft::forward(std::span<const float> in, std::span<std::complex<float>> out) {
  kiss_fftr(m_state->forward, in.data(), reinterpret_cast<kiss_fft_cpx*>(out.data()));
}

void RealFft::inverse(std::span<const std::complex<float>> in, std::span<float> out) {
  kiss_fftri(m_state->inverse, reinterpret_cast<const kiss_fft_cpx*>(in.data()), out.data());
}

}  // namespace ruvo::resampler
