#pragma once
// Measurements made without the code under test, for checking rendered sound.

#include <span>

namespace ruvo::testing {

// f0 (Hz) around a centre sample, by normalised autocorrelation over
// `window` samples; 0 when nothing is periodic. periodicity receives the
// highest normalised autocorrelation (1 = perfectly periodic).
double measureF0(std::span<const float> samples, long centre, int window = 2048, double* periodicity = nullptr,
                 int rate = 44100);

// The interval from `reference` to `f` in cents.
double cents(double f, double reference);
double rms(std::span<const float> samples);

}  // namespace ruvo::testing
