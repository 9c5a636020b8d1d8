#pragma once
// Synthetic recordings with known answers, and measurements made without
// the code under test.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/pitch_measure.h"

namespace ruvo::resampler::test {

using ruvo::testing::cents;
using ruvo::testing::measureF0;
using ruvo::testing::rms;

constexpr int kRate = 44100;

struct Formant {
  double hz = 0;
  double bandwidth = 0;  // Hz
};

// An open vowel (the default) and two close ones whose first formant sits
// on a harmonic of f0 (1 = the fundamental, 2 = the second harmonic).
std::vector<Formant> openVowel();
std::vector<Formant> closeFrontVowel(double f0, int harmonicOfF1);  // like "i"
std::vector<Formant> closeBackVowel(double f0, int harmonicOfF1);   // like "u"

struct VoiceSpec {
  double f0 = 220.0;           // Hz
  double vibratoCents = 0;     // depth of a 5 Hz vibrato
  double silenceMs = 50;       // leading silence
  double burstMs = 60;         // unvoiced noise burst (the consonant)
  double vowelMs = 1890;       // harmonic vowel
  double noise = 0;            // white noise added to the vowel (relative amplitude)
  double amplitude = 0.3;      // peak of the vowel
  std::vector<Formant> formants = openVowel();
  double tiltDbPerOctave = 0;  // slope of source and lips: voices fall by about 6 dB an octave
};

// Silence, a noise burst, then a vowel: harmonics up to 8 kHz with the
// source slope, shaped by the formants. Seeded, so every call gives the same.
std::vector<float> makeVoice(const VoiceSpec& spec);

// Spectral centroid (Hz) of `count` samples from `start`, by a plain DFT.
double centroid(std::span<const float> samples, size_t start, size_t count);

// Runs the resampler program with the arguments; returns its exit status.
int runResampler(const std::vector<std::string>& args, std::string* errorText = nullptr);
// Reads a 16-bit WAV back, full scale 1.
std::vector<float> readOutput(const std::string& path, int* sampleRate = nullptr);

}  // namespace ruvo::resampler::test
