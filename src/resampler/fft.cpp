#include "resampler/fft.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace ruvo::resampler {

namespace {

// Spelled out: the library's complex product checks for infinities and
// NaNs through a call per product.
std::complex<double> times(std::complex<double> a, std::complex<double> b) {
  return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

// a x i
std::complex<double> timesI(std::complex<double> a) { return {-a.imag(), a.real()}; }

}  // namespace

RealFft::RealFft(int size)
    : m_size(size),
      m_twiddles(static_cast<size_t>(size / 2)),
      m_reversed(static_cast<size_t>(size / 2)),
      m_work(static_cast<size_t>(size / 2)) {
  const size_t half = m_work.size();
  for (size_t k = 0; k < half; ++k) {
    const double angle = -2 * std::numbers::pi * static_cast<double>(k) / size;
    m_twiddles[k] = {std::cos(angle), std::sin(angle)};
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
  const size_t half = m_work.size();
  for (size_t i = 0; i < half; ++i)
    if (i < m_reversed[i]) std::swap(m_work[i], m_work[m_reversed[i]]);
  const size_t full = static_cast<size_t>(m_size);
  for (size_t length = 2; length <= half; length <<= 1) {
    const size_t stride = full / length;
    const size_t middle = length / 2;
    for (size_t start = 0; start < half; start += length) {
      for (size_t j = 0; j < middle; ++j) {
        const std::complex<double> w = inverse ? std::conj(m_twiddles[j * stride]) : m_twiddles[j * stride];
        const std::complex<double> u = m_work[start + j];
        const std::complex<double> v = times(m_work[start + j + middle], w);
        m_work[start + j] = u + v;
        m_work[start + j + middle] = u - v;
      }
    }
  }
}

void RealFft::forward(std::span<const float> in, std::span<std::complex<float>> out) {
  const size_t half = m_work.size();
  for (size_t n = 0; n < half; ++n) m_work[n] = {in[2 * n], in[2 * n + 1]};
  transformHalf(false);
  // Even and odd samples' spectra from the packed one, then joined.
  for (size_t k = 0; k <= half; ++k) {
    const std::complex<double> z = m_work[k % half];
    const std::complex<double> mirror = std::conj(m_work[(half - k) % half]);
    const std::complex<double> even = (z + mirror) * 0.5;
    const std::complex<double> odd = timesI(z - mirror) * -0.5;
    const std::complex<double> w = k < half ? m_twiddles[k] : std::complex<double>(-1, 0);
    out[k] = std::complex<float>(even + times(w, odd));
  }
}

void RealFft::inverse(std::span<const std::complex<float>> in, std::span<float> out) {
  const size_t half = m_work.size();
  for (size_t k = 0; k < half; ++k) {
    const std::complex<double> x = in[k];
    const std::complex<double> mirror = std::conj(std::complex<double>(in[half - k]));
    m_work[k] = (x + mirror) + timesI(times(x - mirror, std::conj(m_twiddles[k])));
  }
  transformHalf(true);
  for (size_t n = 0; n < half; ++n) {
    out[2 * n] = static_cast<float>(m_work[n].real());
    out[2 * n + 1] = static_cast<float>(m_work[n].imag());
  }
}

}  // namespace ruvo::resampler
