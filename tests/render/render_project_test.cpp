#include "render/render_project.h"

#include <gtest/gtest.h>

#include <cmath>
#include <chrono>
#include <filesystem>
#include <optional>

#include "core/text_file.h"
#include "render/render_messages.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

class RenderProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir / "bank");
    std::vector<int16_t> tone(44100);
    for (size_t i = 0; i < tone.size(); ++i) tone[i] = static_cast<int16_t>(8000 * std::sin(i * 0.0628));
    ASSERT_TRUE(writeFileBytes(dir / "bank/a.wav", ruvo::testing::monoWave(tone)));
    ASSERT_TRUE(writeTextLines(dir / "bank/oto.ini", {"a.wav=あ,0,50,0,40"}));
    tables.oto = *OtoTable::load(dir / "bank");
    song.projectPath = dir / "song.bat";
    song.voiceFolder = dir / "bank";
    song.joinerPath = std::string(RUVO_BIN_DIR) + "/splicer";
    song.resamplerPath = RUVO_COPY_RESAMPLER;
    song.outputFile = "mix";
    song.tempoText = "120";
    for (const Note& note : {Note{"あ", 960, 36, ""}, Note{"R", 480, 36, ""}, Note{"あ", 960, 40, ""}}) {
      song.at(song.noteCount) = note;
      ++song.noteCount;
    }
    std::filesystem::create_directories(dir / "work");
  }

  RenderOutcome renderWhole(std::optional<std::string> answer = std::nullopt) {
    return renderProject(
        song, tables, context,
        [&](const std::string& proposed) { return answer ? answer : std::optional<std::string>(proposed); },
        {[&](int k, int n) { progress.emplace_back(k, n); }, [&](const std::string& line) { output.push_back(line); }});
  }

  TempFolder dir{"ruvo_render"};
  Song song;
  VoiceBankTables tables;
  RenderContext context{dir / "work", std::string(RUVO_BIN_DIR) + "/ruvo-batch", true, ToolTrust{{}, {}, true}};
  std::vector<std::pair<int, int>> progress;
  std::vector<std::string> output;
};

}  // namespace

TEST_F(RenderProjectTest, UnsavedOrVoicelessProjectsAreNotRendered) {
  song.projectPath.clear();
  song.modified = true;
  EXPECT_EQ(renderWhole().message, render_messages::kSaveFirst);
  song.modified = false;
  EXPECT_EQ(renderWhole().message, render_messages::kNothingCreated);
  song.projectPath = dir / "song.bat";
  song.voiceFolder.clear();
  RenderOutcome outcome = renderWhole();
  EXPECT_EQ(outcome.message, render_messages::kNoVoiceFolder);
  EXPECT_TRUE(outcome.warning);
  EXPECT_FALSE(outcome.ran);
}

TEST_F(RenderProjectTest, WholeRenderKeepsTheOutputRelativeToTheProject) {
  RenderOutcome outcome = renderWhole();
  ASSERT_TRUE(outcome.success) << (output.empty() ? "" : output.back());
  EXPECT_EQ(song.outputFile, "mix.wav");
  EXPECT_EQ(outcome.message, "mix.wavを作成しました。");
  EXPECT_EQ(outcome.outputPath, dir / "mix.wav");
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
  EXPECT_FALSE(song.modified);
  // 250 + 125 + 250 ms plus the first pre-utterance, 16-bit mono 44.1 kHz.
  auto bytes = readFileBytes(dir / "mix.wav");
  ASSERT_TRUE(bytes);
  EXPECT_NEAR(static_cast<double>(bytes->size() - 44) / 2 / 44.1, 665, 1);
  EXPECT_TRUE(std::filesystem::exists(dir / "song.cache"));
}

TEST_F(RenderProjectTest, CancelledDialogDoesNothing) {
  RenderOutcome outcome = renderProject(song, tables, context, [](const std::string&) { return std::nullopt; }, {});
  EXPECT_FALSE(outcome.ran);
  EXPECT_EQ(outcome.message, "");
  EXPECT_FALSE(std::filesystem::exists(dir / "song.bat"));
}

TEST_F(RenderProjectTest, MissingResamplerFailsAndLeavesNoStaleOutput) {
  ASSERT_TRUE(writeFileBytes(dir / "mix.wav", "old render"));
  song.resamplerPath = dir / "no-such-resampler";
  RenderOutcome outcome = renderWhole();
  EXPECT_FALSE(outcome.success);
  EXPECT_FALSE(outcome.ran);
  EXPECT_EQ(outcome.message, render_messages::kRenderFailed);
  EXPECT_FALSE(std::filesystem::exists(dir / "mix.wav"));
  EXPECT_EQ(outcome.details, std::vector<std::string>{"resampler not found: " + (dir / "no-such-resampler")});
}

TEST_F(RenderProjectTest, SelectionInEitherOrderRendersTheSameNotes) {
  song.selFirst = 2;
  song.selLast = 1;
  RenderOutcome reversed = renderSelection(song, tables, context, {});
  ASSERT_TRUE(reversed.success);
  EXPECT_EQ(reversed.outputPath, context.workingFolder + "/temp.wav");
  auto first = readFileBytes(reversed.outputPath);
  song.selFirst = 1;
  song.selLast = 3;  // the insertion point after the last note counts as the last note
  ASSERT_TRUE(renderSelection(song, tables, context, {}).success);
  EXPECT_EQ(*readFileBytes(reversed.outputPath), *first);
  song.selFirst = song.selLast = song.noteCount;
  EXPECT_EQ(renderSelection(song, tables, context, {}).message, render_messages::kNoSelection);
}

TEST_F(RenderProjectTest, ToolsNamedByBareNameAreFoundOnThePath) {
  std::string folder = std::filesystem::path(RUVO_COPY_RESAMPLER).parent_path().string();
  std::string name = std::filesystem::path(RUVO_COPY_RESAMPLER).filename().string();
  const char* oldPath = std::getenv("PATH");
  std::string saved = oldPath ? oldPath : "";
  setenv("PATH", (folder + ":" + saved).c_str(), 1);
  song.resamplerPath = name;
  RenderOutcome outcome = renderWhole();
  setenv("PATH", saved.c_str(), 1);
  EXPECT_TRUE(outcome.success) << (output.empty() ? "" : output.back());
}

TEST_F(RenderProjectTest, NamesTheHelperCannotPassAreRefusedBeforeAnythingRuns) {
  const std::vector<std::string> lyrics = {"x y", "a\"b", "100%", "x\ty"};
  for (const std::string& lyric : lyrics) {
    song[2].lyric = lyric;
    RenderOutcome outcome = renderWhole();
    EXPECT_FALSE(outcome.ran) << lyric;
    EXPECT_EQ(outcome.details, std::vector<std::string>{"note 2 (" + lyric + "): the recording '" + lyric +
                                                        "' holds a blank, a double quote, '%' or a control "
                                                        "character, which the helper batch cannot pass"});
    EXPECT_FALSE(std::filesystem::exists(dir / "mix.wav")) << lyric;
  }
}

TEST_F(RenderProjectTest, UnrenderedNotesAreNamedByPositionAndLyricAsTyped) {
  // A VCV bank: "か" after a rest is sung through "- か", whose recording is missing.
  ASSERT_TRUE(writeTextLines(dir / "bank/oto.ini", {"a.wav=あ,0,50,0,40", "gone.wav=- か,0,50,0,40"}));
  tables.oto = *OtoTable::load(dir / "bank");
  song[2].lyric = "か";
  RenderOutcome outcome = renderWhole();
  ASSERT_TRUE(outcome.success) << (output.empty() ? "" : output.back());
  ASSERT_EQ(outcome.unrendered.size(), 1u);
  EXPECT_EQ(outcome.unrendered[0].index, 2);
  EXPECT_EQ(outcome.unrendered[0].lyric, "か");
  EXPECT_NE(outcome.message.find("2「か」"), std::string::npos) << outcome.message;
}

// Cancel while the resampler pool works ahead (caching on) and while the
// batch itself resamples and joins (caching off): both end at once and leave
// no output behind.
TEST_F(RenderProjectTest, CancelEndsThePoolOrTheBatchAndRemovesItsPartialOutput) {
  const std::string slow = dir / "slow-resampler";
  ASSERT_TRUE(writeFileBytes(slow, "#!/bin/sh\nsleep 0.5\nexec '" + std::string(RUVO_COPY_RESAMPLER) + "' \"$@\"\n"));
  std::filesystem::permissions(slow, std::filesystem::perms::owner_all);
  song.resamplerPath = slow;
  context.ownProcessGroup = true;
  for (bool cache : {true, false}) {
    SCOPED_TRACE(cache ? "pool" : "batch");
    context.cacheEnable = cache;
    progress.clear();
    auto started = RenderJob::startProject(song, tables, context, [](const std::string& proposed) { return proposed; });
    ASSERT_TRUE(std::holds_alternative<RenderJob>(started));
    auto& job = std::get<RenderJob>(started);
    int resampled = 0;
    BatchRunObserver observer{[&](int k, int n) { progress.emplace_back(k, n); }, {},
                              [&](int k, int) { resampled = k; }};
    if (cache) {
      ASSERT_FALSE(job.poll(100, observer).has_value());
      EXPECT_EQ(resampled, 0);
    } else {
      // Once the second note is under way the joiner has written the first.
      while (progress.size() < 2) ASSERT_FALSE(job.poll(100, observer).has_value());
      EXPECT_TRUE(std::filesystem::exists(dir / "mix.wav.whd"));
    }
    const auto stopping = std::chrono::steady_clock::now();
    RenderOutcome outcome = job.cancel();
    EXPECT_LT(std::chrono::steady_clock::now() - stopping, std::chrono::seconds(3));
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(outcome.ran);
    EXPECT_FALSE(outcome.success);
    EXPECT_EQ(outcome.message, render_messages::kRenderCancelled);
    for (const char* file : {"mix.wav", "mix.wav.whd", "mix.wav.dat"})
      EXPECT_FALSE(std::filesystem::exists(dir / file)) << file;
  }
}

// The batch runs while the pool makes the notes, one at a time here: it
// joins the first note before the pool has made the last, and never starts
// a note before the pool has made it and every note before it.
TEST_F(RenderProjectTest, TheBatchJoinsWhileThePoolMakesTheNotesButNeverAheadOfIt) {
  const std::string slow = dir / "slow-resampler";
  ASSERT_TRUE(writeFileBytes(slow, "#!/bin/sh\nsleep 0.3\nexec '" + std::string(RUVO_COPY_RESAMPLER) + "' \"$@\"\n"));
  std::filesystem::permissions(slow, std::filesystem::perms::owner_all);
  song.resamplerPath = slow;
  context.workers = 1;
  song.noteCount = 0;
  for (int key : {36, 38, 40, 41}) song.at(song.noteCount++) = Note{"あ", 480, key, ""};
  auto made = [&] {
    int count = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "song.cache", ec))
      count += entry.path().extension() == ".wav";
    return count;
  };
  int madeAtFirstJoin = -1;
  std::vector<std::string> early;  // progress k reported with fewer than k notes made
  auto started = RenderJob::startProject(song, tables, context, [](const std::string& proposed) { return proposed; });
  ASSERT_TRUE(std::holds_alternative<RenderJob>(started));
  BatchRunObserver observer{[&](int k, int n) {
                              progress.emplace_back(k, n);
                              if (made() < k) early.push_back(std::to_string(k) + " with " + std::to_string(made()));
                            },
                            [&](const std::string& line) { output.push_back(line); }};
  std::optional<RenderOutcome> outcome;
  while (!(outcome = std::get<RenderJob>(started).poll(20, observer)))
    if (madeAtFirstJoin < 0 && std::filesystem::exists(dir / "mix.wav.whd")) madeAtFirstJoin = made();
  EXPECT_TRUE(outcome->success) << (output.empty() ? "" : output.back());
  EXPECT_TRUE(outcome->unrendered.empty());
  EXPECT_GE(madeAtFirstJoin, 1);
  EXPECT_LT(madeAtFirstJoin, 4);
  EXPECT_EQ(early, std::vector<std::string>{});
  EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{0, 4}, {1, 4}, {2, 4}, {3, 4}, {4, 4}}));
}

// A render names a voice folder that is gone before anything runs, and
// rendering a sequence-file project writes only its script: its changes
// stay unsaved.
TEST_F(RenderProjectTest, RenderStartChecksAndTheChangedFlag) {
  song.voiceFolder = dir / "gone";
  song.selFirst = song.selLast = 0;
  for (const RenderOutcome& outcome : {renderWhole(), renderSelection(song, tables, context, {})}) {
    EXPECT_EQ(outcome.message, std::string(render_messages::kMissingVoiceFolder) + (dir / "gone"));
    EXPECT_TRUE(outcome.warning);
    EXPECT_FALSE(outcome.ran);
  }
  song.voiceFolder = dir / "bank";
  song.projectPath = dir / "song.wsq";
  song.modified = true;
  ASSERT_TRUE(renderWhole().success);
  EXPECT_TRUE(song.modified);
  song.projectPath = dir / "song.bat";
  ASSERT_TRUE(renderWhole().success);
  EXPECT_FALSE(song.modified);
}
