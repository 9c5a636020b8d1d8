#include <gtest/gtest.h>

#include <filesystem>

#include <nlohmann/json.hpp>

#include "core/text_file.h"
#include "interchange/sequence_writer.h"
#include "interchange/vsq_writer.h"
#include "support/run_process.h"
#include "support/temp_folder.h"

namespace ruvo {
namespace {

using testing::runProcess;
using testing::TempFolder;

const std::string kCli = std::string(RUVO_BIN_DIR) + "/ruvo-cli";

Song twoNotes() {
  Song song;
  song.notes = {{"か", 1920, 36, "\t\t\t\t\t"}, {"き", 960, 38, "\t\t\t\t\t"}};
  song.noteCount = 2;
  return song;
}

TEST(CliInterchange, MidiNeedsTrackAndImportsIt) {
  TempFolder dir("ruvo_cli_midi");
  ASSERT_TRUE(writeFileBytes(dir / "song.mid", buildSequenceMidi(twoNotes(), MidiWriteInput{})));
  auto asked = runProcess(kCli, {"dump", dir / "song.mid"}, dir.path());
  EXPECT_EQ(asked.status, 2);
  EXPECT_NE(asked.err.find("--track"), std::string::npos) << asked.err;
  EXPECT_NE(asked.err.find("2: Voice A"), std::string::npos) << asked.err;

  auto run = runProcess(kCli, {"dump", dir / "song.mid", "--track", "2"}, dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["tempo"], "120.0");
  EXPECT_EQ(json["projectName"], "song");
  ASSERT_EQ(json["notes"].size(), 2u);
  EXPECT_EQ(json["notes"][1]["lyric"], "き");
  EXPECT_EQ(json["notes"][1]["noteNumber"], 38);
  // Reading a file writes nothing into the folder it was read from.
  EXPECT_FALSE(std::filesystem::exists(dir / "test.log"));
}

TEST(CliInterchange, ConvertChainThroughEveryForm) {
  TempFolder dir("ruvo_cli_forms");
  ASSERT_TRUE(writeFileBytes(dir / "song.vsq", buildVsq(twoNotes(), 100)));
  // A two-track VSQ needs no --track.
  auto run = runProcess(kCli, {"convert", dir / "song.vsq", dir / "copy.wsq"}, dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  run = runProcess(kCli, {"convert", dir / "copy.wsq", dir / "copy.mid"}, dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  run = runProcess(kCli, {"dump", dir / "copy.wsq"}, dir.path());
  ASSERT_EQ(run.status, 0) << run.err;
  auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["tempo"], "100");
  EXPECT_EQ(json["projectPath"], dir / "copy.wsq");
  ASSERT_EQ(json["notes"].size(), 2u);
  EXPECT_EQ(json["notes"][0]["lyric"], "か");
  EXPECT_EQ(json["notes"][1]["length"], 960);
  auto midi = readFileBytes(dir / "copy.mid");
  ASSERT_TRUE(midi);
  EXPECT_EQ(midi->substr(0, 4), "MThd");
}

TEST(CliInterchange, InvalidFileExitsWithOneMissingWithTwo) {
  TempFolder dir("ruvo_cli_bad");
  ASSERT_TRUE(writeFileBytes(dir / "bad.mid", "not a midi file"));
  auto bad = runProcess(kCli, {"dump", dir / "bad.mid", "--track", "1"}, dir.path());
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("ファイル形式が正しくありません。"), std::string::npos) << bad.err;
  EXPECT_EQ(runProcess(kCli, {"dump", dir / "missing.vsq"}, dir.path()).status, 2);
  EXPECT_EQ(runProcess(kCli, {"dump", dir / "bad.mid", "--track", "x"}, dir.path()).status, 2);
}

}  // namespace
}  // namespace ruvo
