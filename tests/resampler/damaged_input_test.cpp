// Damaged recordings and tables: a corpus of cut, flipped and random files
// that the reader and the whole program must refuse or survive without
// crashing, hanging or writing a broken output.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/text_file.h"
#include "resampler/wav_reader.h"
#include "resampler/wav_writer.h"
#include "support/temp_folder.h"
#include "test_signals.h"

using namespace ruvo;
using namespace ruvo::resampler;
using namespace ruvo::resampler::test;
using ruvo::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

std::string validWavBytes(const std::string& folder) {
  std::vector<float> voice = makeVoice({.silenceMs = 0, .burstMs = 10, .vowelMs = 100});
  const std::string path = folder + "/valid.wav";
  EXPECT_TRUE(writePcm16Wav(path, voice, kRate));
  return *readFileBytes(path);
}

std::vector<std::string> corpus(const std::string& folder) {
  const std::string valid = validWavBytes(folder);
  std::vector<std::string> files;
  for (size_t cut : {0, 4, 12, 20, 36, 43, 44, 45, 100, 1001}) files.push_back(valid.substr(0, cut));
  std::mt19937 generator(42);
  for (int i = 0; i < 40; ++i) {
    std::string flipped = valid;
    // Damage the header, where sizes, rates and channel counts live.
    for (int k = 0; k < 3; ++k) flipped[generator() % 64] = static_cast<char>(generator());
    files.push_back(flipped);
  }
  for (int i = 0; i < 10; ++i) {
    std::string random(generator() % 300, '\0');
    for (char& c : random) c = static_cast<char>(generator());
    files.push_back("RIFF" + random);
  }
  return files;
}

}  // namespace

TEST(DamagedInput, WavReaderRefusesOrReadsFiniteSamples) {
  const TempFolder folder("ruvo_damaged_reader");
  int index = 0;
  for (const std::string& bytes : corpus(folder.path())) {
    const std::string path = folder / ("case" + std::to_string(index++) + ".wav");
    ASSERT_TRUE(writeFileBytes(path, bytes));
    auto audio = readMonoWav(path);
    if (!audio) continue;
    EXPECT_GT(audio->sampleRate, 0);
    for (float s : audio->samples) ASSERT_TRUE(std::isfinite(s)) << path;
  }
}

TEST(DamagedInput, ProgramFailsCleanlyOrWritesAWholeNote) {
  const TempFolder folder("ruvo_damaged_program");
  const auto files = corpus(folder.path());
  // Every fifth file, to keep the run short; the reader test covers all.
  for (size_t i = 0; i < files.size(); i += 5) {
    const std::string input = folder / ("case" + std::to_string(i) + ".wav");
    const std::string output = folder / ("out" + std::to_string(i) + ".wav");
    ASSERT_TRUE(writeFileBytes(input, files[i]));
    const int status = runResampler({input, output, "C4", "100", "", "0", "300", "20", "0"});
    ASSERT_TRUE(status == 0 || status == 1) << input;
    if (status == 0) {
      EXPECT_EQ(readOutput(output).size(), 13230u);
    } else {
      EXPECT_FALSE(fs::exists(output));
    }
  }
  // A damaged table next to a good recording: analysed again, no crash.
  const std::string recording = folder / "good.wav";
  ASSERT_TRUE(writeFileBytes(recording, validWavBytes(folder.path())));
  ASSERT_TRUE(writeFileBytes(folder / "good_wav.frq", std::string(40, '\xff') + "junk"));
  EXPECT_EQ(runResampler({recording, folder / "good_out.wav", "C4", "100", "", "0", "300", "20", "0"}), 0);
  EXPECT_EQ(readOutput(folder / "good_out.wav").size(), 13230u);
}
