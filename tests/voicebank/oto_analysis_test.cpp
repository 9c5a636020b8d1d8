#include "voicebank/oto_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

using namespace ruvo;

namespace {

// 16 kHz makes the 5 ms analysis frame exactly 80 samples, so sections that
// start on a frame edge give exact answers.
constexpr int kRate = 16000;

class Signal {
 public:
  Signal& silence(double ms) {
    m_samples.resize(m_samples.size() + count(ms), 0.0f);
    return *this;
  }
  // Deterministic white noise: a consonant.
  Signal& noise(double ms, float amplitude) {
    for (size_t i = 0, n = count(ms); i < n; ++i) {
      m_state = m_state * 1664525u + 1013904223u;
      m_samples.push_back(amplitude * (static_cast<float>(m_state >> 8) / 8388608.0f - 1.0f));
    }
    return *this;
  }
  // A sine whose amplitude moves linearly from `from` to `to`: a vowel, a
  // nasal murmur or a decay.
  Signal& tone(double ms, double hz, float from, float to) {
    for (size_t i = 0, n = count(ms); i < n; ++i) {
      const double amplitude = from + (to - from) * static_cast<double>(i) / static_cast<double>(n);
      m_samples.push_back(static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * m_phase++ / kRate)));
    }
    return *this;
  }
  const std::vector<float>& samples() const { return m_samples; }

 private:
  static size_t count(double ms) { return static_cast<size_t>(std::lround(ms * kRate / 1000)); }
  std::vector<float> m_samples;
  uint32_t m_state = 12345;
  size_t m_phase = 0;
};

OtoTiming analyse(const Signal& signal) {
  auto timing = analyseRecording(signal.samples(), kRate);
  EXPECT_TRUE(timing) << timing.error().message;
  return timing.value_or(OtoTiming{});
}

}  // namespace

TEST(OtoAnalysis, UnvoicedConsonantThenVowel) {
  auto t = analyse(Signal().silence(100).noise(60, 0.05f).tone(500, 200, 0.5f, 0.5f).silence(200));
  EXPECT_EQ(t.offsetMs, 100);
  EXPECT_EQ(t.preUtteranceMs, 60);
  EXPECT_EQ(t.consonantMs, 90);
  EXPECT_EQ(t.blankMs, 200);
}

TEST(OtoAnalysis, QuietVoicedMurmurCountsAsConsonant) {
  // A nasal is periodic too; only its lower level sets it apart from the vowel.
  auto t = analyse(Signal().silence(50).tone(80, 150, 0.1f, 0.1f).tone(400, 150, 0.5f, 0.5f).silence(100));
  EXPECT_EQ(t.offsetMs, 50);
  EXPECT_EQ(t.preUtteranceMs, 80);
  EXPECT_EQ(t.consonantMs, 110);
  EXPECT_EQ(t.blankMs, 100);
}

TEST(OtoAnalysis, VowelAloneHasNoPreUtterance) {
  auto t = analyse(Signal().silence(40).tone(300, 440, 0.8f, 0.8f));
  EXPECT_EQ(t.offsetMs, 40);
  EXPECT_EQ(t.preUtteranceMs, 0);
  EXPECT_EQ(t.consonantMs, 30);
  EXPECT_EQ(t.blankMs, 0);
}

TEST(OtoAnalysis, DecayBelowTwentyDecibelsBelongsToTheBlank) {
  // The envelope falls from 0.5 to 0 over 100 ms; it passes 0.05 (-20 dB) at
  // 90 ms, so the steady part ends within a frame of there.
  auto t = analyse(Signal().silence(20).tone(300, 200, 0.5f, 0.5f).tone(100, 200, 0.5f, 0.0f).silence(50));
  EXPECT_NEAR(t.blankMs, 60, 5);
  EXPECT_EQ(t.offsetMs, 20);
}

TEST(OtoAnalysis, NoiseOnlyFallsBackToZeroPreUtterance) {
  auto t = analyse(Signal().silence(10).noise(300, 0.5f));
  EXPECT_EQ(t.offsetMs, 10);
  EXPECT_EQ(t.preUtteranceMs, 0);
  EXPECT_EQ(t.consonantMs, 30);
}

TEST(OtoAnalysis, ConsonantNeverRunsIntoTheBlank) {
  // 20 ms of sound: too short for a vowel onset, and the 30 ms margin would
  // pass the end of the sound.
  auto t = analyse(Signal().silence(100).tone(20, 200, 0.5f, 0.5f).silence(100));
  EXPECT_EQ(t.offsetMs, 100);
  EXPECT_EQ(t.consonantMs, 20);
  EXPECT_EQ(t.blankMs, 100);
}

TEST(OtoAnalysis, ShiftingTheRecordingShiftsOnlyTheOffset) {
  auto early = analyse(Signal().silence(30).noise(45, 0.05f).tone(400, 250, 0.4f, 0.4f).silence(80));
  auto late = analyse(Signal().silence(230).noise(45, 0.05f).tone(400, 250, 0.4f, 0.4f).silence(80));
  EXPECT_EQ(late.offsetMs - early.offsetMs, 200);
  EXPECT_EQ(late.preUtteranceMs, early.preUtteranceMs);
  EXPECT_EQ(late.consonantMs, early.consonantMs);
  EXPECT_EQ(late.blankMs, early.blankMs);
}

TEST(OtoAnalysis, RefusesSilenceAndBadRates) {
  std::vector<float> silent(16000, 0.0f);
  auto none = analyseRecording(silent, kRate);
  ASSERT_FALSE(none);
  EXPECT_EQ(none.error().code, ErrorCode::BadFormat);
  EXPECT_FALSE(analyseRecording(std::vector<float>{}, kRate));
  std::vector<float> nan(1000, std::nanf(""));
  EXPECT_FALSE(analyseRecording(nan, kRate));
  auto rate = analyseRecording(Signal().tone(100, 200, 0.5f, 0.5f).samples(), 0);
  ASSERT_FALSE(rate);
  EXPECT_EQ(rate.error().code, ErrorCode::BadArgument);
}

TEST(OtoAnalysis, PeriodicityTellsToneFromNoise) {
  const auto tone = Signal().tone(100, 200, 0.5f, 0.5f).samples();
  const auto noise = Signal().noise(100, 0.5f).samples();
  EXPECT_GT(periodicityAt(tone, 0, kRate, 70, 800), 0.99);
  EXPECT_LT(periodicityAt(noise, 0, kRate, 70, 800), 0.5);
  EXPECT_EQ(periodicityAt(std::vector<float>(1600, 0.0f), 0, kRate, 70, 800), 0);
  // The window plus the longest lag (2 x 229 samples) must fit.
  EXPECT_GT(periodicityAt(tone, 1600 - 458, kRate, 70, 800), 0.99);
  EXPECT_EQ(periodicityAt(tone, 1600 - 457, kRate, 70, 800), 0);
  EXPECT_EQ(periodicityAt(tone, 5000, kRate, 70, 800), 0);
}
