#include "resampler/fft.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace ruvo::resampler {

RealFft::RealFft(int size)
    : m_size(size),
      m_cos(static_cast<size_t>(size / 2)),
      m_sin(static_cast<size_t>(size / 2)),
      m_reversed(static_cast<size_t>(size / 2)),
      m_real(static_cast<size_t>(size / 2)),
      m_imag(static_cast<size_t>(size / 2)) {
  const size_t half = m_real.size();
  for (size_t k = 0; k < half; ++k) {
    const double angle = -2 * std::numbers::pi * static_cast<double>(k) / size;
    m_cos[k] = std::cos(angle);
    m_sin[k] = std::sin(angle);
  }
  for (size_t length = 2; length <= half; length <<= 1)
    for (size_t j = 0; j < length / 2; ++j) {
      m_passCos.push_back(m_cos[j * (static_cast<size_t>(size) / length)]);
      m_passSin.push_back(m_sin[j * (static_cast<size_t>(size) / length)]);
    }
  int bits = 0;
  while ((size_t{1} << bits) < half) ++bits;
  for (size_t i = 0; i < half; ++i) {
    size_t reversed = 0;
    for (int b = 0; b < bits; ++b) reversed |= ((i >> b) & 1) << (bits - 1 - b);
    m_reversed[i] = reversed;
  }
}

void RealFft::transformHalf(bool inverse) {
  const size_t half = m_real.size();
  for (size_t i = 0; i < half; ++i) {
    if (i < m_reversed[i]) {
      std::swap(m_real[i], m_real[m_reversed[i]]);
      std::swap(m_imag[i], m_imag[m_reversed[i]]);
    }
  }
  const double sign = inverse ? -1.0 : 1.0;
  for (size_t length = 2; length <= half; length <<= 1) {
    const size_t middle = length / 2;
    const double* __restrict wCos = m_passCos.data() + middle - 1;
    const double* __restrict wSin = m_passSin.data() + middle - 1;
    for (size_t start = 0; start < half; start += length) {
      double* __restrict aRe = m_real.data() + start;
      double* __restrict aIm = m_imag.data() + start;
      double* __restrict bRe = aRe + middle;
      double* __restrict bIm = aIm + middle;
      for (size_t j = 0; j < middle; ++j) {
        const double wIm = sign * wSin[j];
        const double vRe = bRe[j] * wCos[j] - bIm[j] * wIm;
        const double vIm = bRe[j] * wIm + bIm[j] * wCos[j];
        bRe[j] = aRe[j] - vRe;
        bIm[j] = aIm[j] - vIm;
        aRe[j] += vRe;
        aIm[j] += vIm;
      }
    }
  }
}

void RealFft::forward(std::span<const float> in, std::span<std::complex<float>> out) {
  const size_t half = m_real.size();
  for (size_t n = 0; n < half; ++n) {
    m_real[n] = in[2 * n];
    m_imag[n] = in[2 * n + 1];
  }
  transformHalf(false);
  // The even and odd samples' spectra from the packed one, then joined:
  // even = (z + conj(mirror)) / 2, odd = (z - conj(mirror)) / 2i.
  for (size_t k = 0; k <= half; ++k) {
    const size_t at = k % half;
    const size_t mirror = (half - k) % half;
    const double evenRe = 0.5 * (m_real[at] + m_real[mirror]);
    const double evenIm = 0.5 * (m_imag[at] - m_imag[mirror]);
    const double oddRe = 0.5 * (m_imag[at] + m_imag[mirror]);
    const double oddIm = -0.5 * (m_real[at] - m_real[mirror]);
    const double wRe = k < half ? m_cos[k] : -1.0;
    const double wIm = k < half ? m_sin[k] : 0.0;
    out[k] = {static_cast<float>(evenRe + (wRe * oddRe - wIm * oddIm)),
              static_cast<float>(evenIm + (wRe * oddIm + wIm * oddRe))};
  }
}

void RealFft::inverse(std::span<const std::complex<float>> in, std::span<float> out) {
  const size_t half = m_real.size();
  // z = (x + conj(mirror)) + i (x - conj(mirror)) conj(w).
  for (size_t k = 0; k < half; ++k) {
    const double xRe = in[k].real();
    const double xIm = in[k].imag();
    const double mRe = in[half - k].real();
    const double mIm = -static_cast<double>(in[half - k].imag());
    const double dRe = xRe - mRe;
    const double dIm = xIm - mIm;
    const double tRe = dRe * m_cos[k] + dIm * m_sin[k];
    const double tIm = dIm * m_cos[k] - dRe * m_sin[k];
    m_real[k] = (xRe + mRe) - tIm;
    m_imag[k] = (xIm + mIm) + tRe;
  }
  transformHalf(true);
  for (size_t n = 0; n < half; ++n) {
    out[2 * n] = static_cast<float>(m_real[n]);
    out[2 * n + 1] = static_cast<float>(m_imag[n]);
  }
}

}  // namespace ruvo::resampler
