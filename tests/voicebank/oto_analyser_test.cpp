// Runs the oto_analyser program on a folder of generated recordings and
// checks the oto.ini it writes byte for byte.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "core/text_file.h"
#include "support/run_process.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo;
using namespace ruvo::testing;
namespace fs = std::filesystem;

namespace {

// `silenceMs` of silence, then a 200 Hz tone at half scale for 300 ms, at 16 kHz.
std::string toneWave(int silenceMs) {
  std::vector<int16_t> samples(static_cast<size_t>(silenceMs * 16), 0);
  for (int i = 0; i < 300 * 16; ++i)
    samples.push_back(static_cast<int16_t>(std::lround(16384 * std::sin(2 * std::numbers::pi * 200 * i / 16000))));
  return monoWave(samples, 16000);
}

int runAnalyser(const fs::path& folder, const fs::path& list) {
  return runProcess(std::string(RUVO_BIN_DIR) + "/oto_analyser", {folder.string(), list.string()}).status;
}

}  // namespace

TEST(OtoAnalyser, WritesListedRecordingsInListOrderThenTheRest) {
  const TempFolder scratch("ruvo_oto_analyser");
  const fs::path folder = scratch.path();
  ASSERT_TRUE(writeFileBytes((folder / "ka.wav").string(), toneWave(50)));
  ASSERT_TRUE(writeFileBytes((folder / "a.wav").string(), toneWave(20)));
  ASSERT_TRUE(writeFileBytes((folder / "zz.wav").string(), toneWave(0)));
  ASSERT_TRUE(writeFileBytes((folder / "broken.wav").string(), "RIFF"));
  const fs::path list = folder / "list.txt";
  ASSERT_TRUE(writeFileBytes(list.string(), "# name alias\nka か k'a\n\na あ 'a\nmissing ぬ\n"));

  // The broken and the missing recording are reported and left out.
  EXPECT_NE(runAnalyser(folder, list), 0);
  auto oto = readFileBytes((folder / "oto.ini").string());
  ASSERT_TRUE(oto);
  EXPECT_EQ(*oto,
            "ka.wav=\x82\xa9,50,30,0,0\r\n"
            "a.wav=\x82\xa0,20,30,0,0\r\n"
            "zz.wav=,0,30,0,0\r\n");
  fs::remove(folder / "broken.wav");
  ASSERT_TRUE(writeFileBytes(list.string(), "ka か\na あ\n"));
  EXPECT_EQ(runAnalyser(folder, list), 0);
}
