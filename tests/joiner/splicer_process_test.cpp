// Runs the splicer program itself: exit statuses as a POSIX parent sees
// them, the exact standard output, and the WAV that header + data make
// after every call, read back with libsndfile.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <filesystem>
#include <string>
#include <vector>

#include "byte_files.h"
#include "core/text_file.h"
#include "support/run_process.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo::joiner::testing;
using ruvo::testing::buildWave;
using ruvo::testing::TempFolder;
using ruvo::testing::WaveSpec;

namespace {

ruvo::testing::ProcessResult runSplicer(const std::vector<std::string>& args) {
  return ruvo::testing::runProcess(std::string(RUVO_BIN_DIR) + "/splicer", args);
}

// Header file followed by data file, as the render script joins them.
std::vector<int16_t> readJoinedWave(const TempFolder& folder) {
  const auto joined = folder / "joined.wav";
  EXPECT_TRUE(ruvo::writeFileBytes(joined, ruvo::readFileBytes(folder / "out.whd").value_or("") +
                                               ruvo::readFileBytes(folder / "out.dat").value_or("")));
  SF_INFO info{};
  SNDFILE* file = sf_open(joined.c_str(), SFM_READ, &info);
  EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
  if (!file) return {};
  EXPECT_EQ(info.samplerate, 44100);
  EXPECT_EQ(info.channels, 1);
  EXPECT_EQ(info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
  std::vector<int16_t> samples(static_cast<size_t>(info.frames));
  EXPECT_EQ(sf_read_short(file, samples.data(), info.frames), info.frames);
  sf_close(file);
  return samples;
}

TEST(SplicerProgram, ErrorsExitWithMinusOne) {
  TempFolder folder;
  const std::string base = folder / "out";
  auto usage = runSplicer({"a", "b"});
  EXPECT_EQ(usage.status, 255);
  EXPECT_EQ(usage.out, "splicer2 <outfile> <infile> offset length p1 p2 p3 v1 v2 v3 v4 ovr\n\n");
  auto order = runSplicer({base, "R.wav", "0", "100", "-1", "0"});
  EXPECT_EQ(order.status, 255);
  EXPECT_EQ(order.out, "パラメーターが不正です\n");
  writeBytes(folder / "bad.wav", {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'A', 'V', 'I', ' '});
  auto notWave = runSplicer({base, folder / "bad.wav", "0", "100", "0", "0"});
  EXPECT_EQ(notWave.status, 255);
  EXPECT_EQ(notWave.out, "not WAVE format\n\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "out.whd"));
}

TEST(SplicerProgram, HeaderAndDataFormAValidWaveAfterEveryCall) {
  TempFolder folder;
  const std::string base = folder / "out";
  WaveSpec note;
  note.samples.assign(4410, 1200);
  writeBytes(folder / "note.wav", bytesOf(buildWave(note)));
  const std::string in = folder / "note.wav";
  const std::vector<std::vector<std::string>> calls = {
      {base, folder / "R.wav", "0", "50", "0", "0"},
      {base, in, "0", "100", "0", "0", "0", "100", "100", "100", "100", "10"},
      {base, in, "20", "200", "10", "10", "20", "100", "80", "60", "0", "30"},
      {base, in, "0", "10", "0", "0"},
  };
  size_t expectedFrames = 0;
  const std::vector<size_t> grows = {2205, 4410 - 441, 8820 - 1323, 441};
  for (size_t c = 0; c < calls.size(); ++c) {
    const auto run = runSplicer(calls[c]);
    EXPECT_EQ(run.status, 0) << c;
    EXPECT_EQ(run.out, c == 0 ? "infile_size:36\n\n" : "infile_size:8856\n\n") << c;
    expectedFrames += grows[c];
    const auto samples = readJoinedWave(folder);
    EXPECT_EQ(samples.size(), expectedFrames) << c;
    EXPECT_EQ(samples, readSamples(folder / "out.dat")) << c;
  }
}

}  // namespace
