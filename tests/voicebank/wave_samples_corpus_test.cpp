// Replays the checked-in WAV corpus through the reader, then every
// truncation and a run of byte corruptions of the good files. The names say
// what to expect: ok_ reads cleanly, repaired_ reads with warnings, bad_ is
// refused. Under the sanitizer build any out-of-bounds read fails here.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/text_file.h"
#include "voicebank/wave_samples.h"

using namespace ruvo;

namespace {

std::vector<std::filesystem::path> corpusFiles() {
  std::vector<std::filesystem::path> files;
  for (const auto& item : std::filesystem::directory_iterator(RUVO_FUZZ_CORPUS_DIR "/wave_samples")) files.push_back(item.path());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

TEST(WaveSamplesCorpus, EachFileGivesTheResultItsNameSays) {
  const auto files = corpusFiles();
  ASSERT_GE(files.size(), 10u);
  for (const auto& file : files) {
    const std::string name = file.filename().string();
    auto wave = readWaveSamples(file.string());
    if (name.starts_with("ok_")) {
      ASSERT_TRUE(wave) << name << ": " << wave.error().message;
      EXPECT_TRUE(wave->warnings.empty()) << name;
      EXPECT_FALSE(wave->samples.empty()) << name;
    } else if (name.starts_with("repaired_")) {
      ASSERT_TRUE(wave) << name << ": " << wave.error().message;
      EXPECT_FALSE(wave->warnings.empty()) << name;
    } else {
      ASSERT_FALSE(wave) << name;
      EXPECT_EQ(wave.error().code, ErrorCode::BadFormat) << name;
    }
  }
}

TEST(WaveSamplesCorpus, CorpusSamplesAreExact) {
  auto mono = readWaveSamples(RUVO_FUZZ_CORPUS_DIR "/wave_samples/ok_mono.wav");
  ASSERT_TRUE(mono);
  EXPECT_EQ(mono->samples, (std::vector<int16_t>{1, -1, -32768, 32767}));
  auto stereo = readWaveSamples(RUVO_FUZZ_CORPUS_DIR "/wave_samples/ok_stereo.wav");
  ASSERT_TRUE(stereo);
  EXPECT_EQ(stereo->samples, (std::vector<int16_t>{1, 3}));
  auto huge = readWaveSamples(RUVO_FUZZ_CORPUS_DIR "/wave_samples/repaired_huge_data_size.wav");
  ASSERT_TRUE(huge);
  EXPECT_EQ(huge->samples, (std::vector<int16_t>{1, 2}));
}

TEST(WaveSamplesCorpus, TruncationsAndCorruptionsNeverReadPastTheInput) {
  std::mt19937 random(20240601);
  for (const auto& file : corpusFiles()) {
    if (!file.filename().string().starts_with("ok_")) continue;
    auto bytes = readFileBytes(file.string());
    ASSERT_TRUE(bytes);
    for (size_t length = 0; length <= bytes->size(); ++length) {
      // A copy of exactly `length` bytes, so the sanitizer sees any overrun.
      const std::string cut = bytes->substr(0, length);
      auto wave = parseWaveSamples(cut, "cut");
      if (wave) {
        EXPECT_LE(wave->samples.size(), length / 2);
      }
    }
    for (int round = 0; round < 2000; ++round) {
      std::string damaged = *bytes;
      for (int flips = 0; flips < 3; ++flips)
        damaged[random() % damaged.size()] = static_cast<char>(random() & 0xFF);
      auto wave = parseWaveSamples(damaged, "damaged");
      if (wave) {
        EXPECT_LE(wave->samples.size(), damaged.size() / 2);
      }
    }
  }
}
