#include "voicebank/frq_generation.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

// A stand-in resampler: writes its arguments into the recording's table,
// fails with a message for "bad" recordings, makes nothing for "empty" ones
// and hangs on "slow" ones.
std::string fakeResampler(const TempFolder& dir) {
  const std::string path = dir / "fake_resampler";
  std::ofstream(path) << "#!/bin/sh\n"
                         "case \"$1\" in *slow*) exec sleep 30;; *bad*) echo analysing; "
                         "echo cannot read ${1##*/} >&2; exit 3;; *empty*) exit 0;; esac\n"
                         "echo \"$@\" > \"${1%.wav}_wav.frq\"\n";
  std::filesystem::permissions(path, std::filesystem::perms::owner_all);
  return path;
}

bool runToEnd(FrqGeneration& run) {
  for (int i = 0; i < 1000; ++i)
    if (run.step(20)) return true;
  return false;
}

}  // namespace

TEST(FrqGeneration, RunsTheTableCommandForEachRecordingAndReportsFailures) {
  TempFolder dir("frq_generation");
  std::vector<std::string> touched;
  FrqGeneration run(fakeResampler(dir), dir.path(), {dir / "a.wav", dir / "bad.wav", dir / "b.wav"},
                    [&](const std::string& path) { touched.push_back(path); });
  ASSERT_TRUE(runToEnd(run));
  EXPECT_EQ(run.done(), 3u);
  EXPECT_EQ(*readFileBytes(dir / "a_wav.frq"), dir / "a.wav" + " " + dir / "temp.wav" + " 100 100 GN 0 100\n");
  EXPECT_TRUE(std::filesystem::exists(dir / "b_wav.frq"));
  ASSERT_EQ(run.problems().size(), 1u);
  EXPECT_EQ(run.problems()[0],
            "bad.wav: the resampler ended with status 3 and made no frequency table: cannot read bad.wav");
  EXPECT_EQ(touched, (std::vector<std::string>{dir / "a.wav", dir / "bad.wav", dir / "b.wav"}));

  FrqGeneration missing(dir / "no_such_tool", dir.path(), {dir / "a.wav"}, {});
  ASSERT_TRUE(runToEnd(missing));
  EXPECT_EQ(missing.problems().size(), 1u);

  // A stored tool path in quotes; a status of 0 without a table.
  FrqGeneration quoted("\"" + fakeResampler(dir) + "\"", dir.path(), {dir / "empty.wav"}, {});
  ASSERT_TRUE(runToEnd(quoted));
  EXPECT_EQ(quoted.problems(),
            std::vector<std::string>{"empty.wav: the resampler ended with status 0 and made no frequency table"});
}

TEST(FrqGeneration, CancelEndsTheRunningResamplerAtOnce) {
  TempFolder dir("frq_generation");
  std::vector<std::string> touched;
  FrqGeneration run(fakeResampler(dir), dir.path(), {dir / "slow.wav", dir / "a.wav"},
                    [&](const std::string& path) { touched.push_back(path); });
  EXPECT_FALSE(run.step(0));
  EXPECT_FALSE(run.step(50));
  const auto start = std::chrono::steady_clock::now();
  run.cancel();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(run.step(0));
  EXPECT_TRUE(run.cancelled());
  EXPECT_TRUE(run.problems().empty());
  EXPECT_EQ(touched, std::vector<std::string>{dir / "slow.wav"});
  EXPECT_FALSE(std::filesystem::exists(dir / "a_wav.frq"));
}
