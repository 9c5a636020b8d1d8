// The click detector the sound measurements rely on: silent on a clean
// tone, one burst at the right place for a single-sample step.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "burst_detector.h"

using namespace ruvo::resampler::test;

TEST(BurstDetector, CleanSineHasNoneAndAStepHasOne) {
  // Faded in and out over 10 ms with raised cosines, as sound is.
  std::vector<float> tone(88200);
  for (size_t n = 0; n < tone.size(); ++n) {
    const double edge = std::min(static_cast<double>(std::min(n, tone.size() - 1 - n)) / 441.0, 1.0);
    const double fade = 0.5 - 0.5 * std::cos(std::numbers::pi * edge);
    tone[n] = static_cast<float>(fade * 0.5 * std::sin(2 * std::numbers::pi * 440 * static_cast<double>(n) / 44100));
  }
  EXPECT_TRUE(findBursts(tone, 44100).empty());

  // A step of 1/1000 of full scale (-60 dB), one sample, at 1.5 s.
  std::vector<float> stepped = tone;
  for (size_t n = 66150; n < stepped.size(); ++n) stepped[n] += 0.001f;
  const auto bursts = findBursts(stepped, 44100);
  ASSERT_EQ(bursts.size(), 1u);
  EXPECT_NEAR(bursts[0].seconds, 1.5, 0.003);
  EXPECT_GT(bursts[0].riseDb, 20.0);
}
