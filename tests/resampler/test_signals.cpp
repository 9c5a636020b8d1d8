#include "test_signals.h"

#include <cmath>
#include <numbers>
#include <random>

#include "resampler/wav_reader.h"
#include "support/run_process.h"

namespace ruvo::resampler::test {

std::vector<Formant> openVowel() { return {{700, 130}, {1200, 150}, {2600, 250}}; }
std::vector<Formant> closeFrontVowel(double f0, int harmonicOfF1) {
  return {{f0 * harmonicOfF1, 80}, {2300, 120}, {3000, 200}};
}
std::vector<Formant> closeBackVowel(double f0, int harmonicOfF1) {
  return {{f0 * harmonicOfF1, 80}, {1300, 120}, {2400, 200}};
}

std::vector<float> makeVoice(const VoiceSpec& spec) {
  std::mt19937 generator(1234);
  std::normal_distribution<double> gauss(0.0, 1.0);
  const auto silence = static_cast<size_t>(spec.silenceMs * kRate / 1000);
  const auto burst = static_cast<size_t>(spec.burstMs * kRate / 1000);
  const auto vowel = static_cast<size_t>(spec.vowelMs * kRate / 1000);
  std::vector<float> out(silence + burst + vowel, 0.0f);
  for (size_t n = 0; n < burst; ++n) out[silence + n] = static_cast<float>(0.1 * gauss(generator));

  const int harmonics = static_cast<int>(8000 / spec.f0);
  std::vector<double> amplitude(static_cast<size_t>(harmonics) + 1), phase(static_cast<size_t>(harmonics) + 1);
  for (int k = 1; k <= harmonics; ++k) {
    double envelope = 0.02;
    for (const Formant& formant : spec.formants) {
      const double x = (k * spec.f0 - formant.hz) / formant.bandwidth;
      envelope += 1.0 / (1.0 + x * x);
    }
    amplitude[static_cast<size_t>(k)] = envelope * std::pow(10.0, spec.tiltDbPerOctave * std::log2(k) / 20);
    phase[static_cast<size_t>(k)] = std::uniform_real_distribution<double>(0, 2 * std::numbers::pi)(generator);
  }
  std::vector<double> wave(vowel);
  double cycle = 0;
  double peak = 0;
  for (size_t n = 0; n < vowel; ++n) {
    const double t = static_cast<double>(n) / kRate;
    const double f = spec.f0 * std::pow(2.0, spec.vibratoCents / 1200 * std::sin(2 * std::numbers::pi * 5 * t));
    double value = 0;
    for (int k = 1; k <= harmonics; ++k)
      value += amplitude[static_cast<size_t>(k)] * std::sin(2 * std::numbers::pi * k * cycle + phase[static_cast<size_t>(k)]);
    cycle += f / kRate;
    wave[n] = value;
    peak = std::max(peak, std::abs(value));
  }
  for (size_t n = 0; n < vowel; ++n) {
    // 10 ms fade-in so the vowel's start is not a click.
    const double fade = std::min(1.0, static_cast<double>(n) / (0.01 * kRate));
    const double noise = spec.noise * gauss(generator);
    out[silence + burst + n] = static_cast<float>(spec.amplitude * (fade * wave[n] / peak + noise));
  }
  return out;
}


double centroid(std::span<const float> samples, size_t start, size_t count) {
  double weighted = 0, total = 0;
  for (size_t k = 1; k < count / 2; ++k) {
    double re = 0, im = 0;
    for (size_t n = 0; n < count; ++n) {
      const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(n) / static_cast<double>(count));
      const double angle = 2 * std::numbers::pi * static_cast<double>(k * n) / static_cast<double>(count);
      re += window * samples[start + n] * std::cos(angle);
      im -= window * samples[start + n] * std::sin(angle);
    }
    const double power = re * re + im * im;
    weighted += power * static_cast<double>(k) * kRate / static_cast<double>(count);
    total += power;
  }
  return weighted / total;
}

int runResampler(const std::vector<std::string>& args, std::string* errorText) {
  const auto result = ruvo::testing::runProcess(std::string(RUVO_BIN_DIR) + "/resampler", args);
  if (errorText) *errorText = result.err;
  return result.status;
}

std::vector<float> readOutput(const std::string& path, int* sampleRate) {
  auto audio = readMonoWav(path);
  if (!audio) return {};
  if (sampleRate) *sampleRate = audio->sampleRate;
  return audio->samples;
}

}  // namespace ruvo::resampler::test
