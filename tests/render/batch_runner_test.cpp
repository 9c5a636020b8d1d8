#include "render/batch_runner.h"

#include <gtest/gtest.h>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {
const std::string kInterpreter = std::string(RUVO_BIN_DIR) + "/ruvo-batch";
}

TEST(BatchRunner, ProgressLines) {
  int k = 0, n = 0;
  EXPECT_TRUE(parseProgressLine("progress 3 12", k, n));
  EXPECT_EQ(k, 3);
  EXPECT_EQ(n, 12);
  EXPECT_FALSE(parseProgressLine("progress 3", k, n));
  EXPECT_FALSE(parseProgressLine("progress 3 12 x", k, n));
  EXPECT_FALSE(parseProgressLine("ruvo-batch: progress 1 2", k, n));
}

TEST(BatchRunner, RunsInTheBatchFolderAndStreamsProgressAndOutput) {
  TempFolder dir("ruvo_batch_runner");
  ASSERT_TRUE(writeTextLines(dir / "one.bat", {"@rem made by the test", "copy /Y in.txt /B out.wav"}));
  ASSERT_TRUE(writeTextLines(dir / "in.txt", {"x"}));
  ASSERT_TRUE(writeTextLines(dir / "calls.bat", {"call one.bat", "call one.bat", "bogus-command"}));
  std::vector<std::pair<int, int>> progress;
  std::vector<std::string> output;
  auto result = runBatch(kInterpreter, dir / "calls.bat", "out.wav",
                         {[&](int k, int n) { progress.emplace_back(k, n); },
                          [&](const std::string& line) { output.push_back(line); }});
  ASSERT_TRUE(result);
  EXPECT_TRUE(result->outputExists);
  EXPECT_EQ(result->outputPath, dir / "out.wav");
  EXPECT_EQ(result->exitStatus, 0);
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
  ASSERT_EQ(output.size(), 1u);
  EXPECT_NE(output[0].find("bogus-command"), std::string::npos);
}

TEST(BatchRunner, JudgesByTheOutputAndRefusesAPathWithoutFolder) {
  TempFolder dir("ruvo_batch_runner_fail");
  ASSERT_TRUE(writeTextLines(dir / "empty.bat", {"@rem nothing"}));
  auto result = runBatch(kInterpreter, dir / "empty.bat", dir / "never.wav", {});
  ASSERT_TRUE(result);
  EXPECT_FALSE(result->outputExists);
  EXPECT_FALSE(runBatch(kInterpreter, "empty.bat", "x.wav", {}));
  EXPECT_FALSE(runBatch(dir / "no-interpreter", dir / "empty.bat", "x.wav", {}));
}
