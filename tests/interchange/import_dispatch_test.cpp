#include <gtest/gtest.h>

#include "core/text_file.h"
#include "interchange/import_dispatch.h"
#include "interchange/midi_bytes.h"
#include "interchange/sequence_document.h"
#include "interchange/vsq_writer.h"
#include "midi_builder.h"
#include "support/temp_folder.h"

namespace ruvo {
namespace {

using ruvo::testing::TempFolder;

Song twoNotes() {
  Song song;
  song.notes = {{"か", 1920, 36, "\t\t\t\t\ttempo=150.00"}, {"き", 960, 38, ""}};
  song.noteCount = 2;
  song.tempoText = "150";
  return song;
}

struct Chooser {
  int answer = 2;
  std::vector<std::string> shown;
  int calls = 0;
  ImportOptions options() {
    ImportOptions o;
    o.tracePath = "";
    o.chooseTrack = [this](const std::vector<std::string>& list) {
      ++calls;
      shown = list;
      return answer;
    };
    return o;
  }
};

TEST(ImportDispatch, MidiExtensionInAnyCaseAsksForTheTrack) {
  const TempFolder dir("ruvo_import");
  std::string path = dir / "ruvo_import_Song.MID";
  ASSERT_TRUE(exportToneModuleMidi(twoNotes(), path, "/nonexistent"));
  Song song;
  song.outputFile = "keep.wav";
  Chooser chooser;
  ASSERT_TRUE(importFile(song, path, ClearDefaults{"bank", "j", "r"}, chooser.options()));
  EXPECT_EQ(chooser.calls, 1);
  EXPECT_EQ(chooser.shown, (std::vector<std::string>{"1: Control", "2: Voice A"}));
  ASSERT_EQ(song.noteCount, 2);
  EXPECT_EQ(song[0].lyric, "あ");  // the tone-module file has no lyrics
  EXPECT_EQ(song[1].length, 960);
  EXPECT_EQ(song.tempoText, "150.0");
  EXPECT_EQ(song.projectName, "ruvo_import_Song");
  EXPECT_EQ(song.outputFile, "ruvo_import_Song");
  EXPECT_EQ(song.voiceFolder, "bank");
  EXPECT_TRUE(song.modified);
}

TEST(ImportDispatch, NoTrackChosenImportsNothing) {
  const TempFolder dir("ruvo_import");
  std::string path = dir / "one.smf";
  ASSERT_TRUE(writeFileBytes(path, test::smfFile(0, 480, {test::tempoTrack({{0, 90}})})));
  Song song;
  Chooser chooser;
  chooser.answer = 0;
  ASSERT_TRUE(importFile(song, path, ClearDefaults{}, chooser.options()));
  EXPECT_EQ(chooser.calls, 1);  // a file of one track still asks
  EXPECT_EQ(song.noteCount, 0);
  EXPECT_EQ(song.tempoText, "120.0");
  EXPECT_EQ(song.projectName, "新規プロジェクト");
}

TEST(ImportDispatch, TwoTrackVsqNeedsNoChoiceThreeTracksDo) {
  const TempFolder dir("ruvo_import");
  std::string path = dir / "song.vsq";
  ASSERT_TRUE(exportVsq(twoNotes(), path));
  Song song;
  Chooser chooser;
  ASSERT_TRUE(importFile(song, path, ClearDefaults{}, chooser.options()));
  EXPECT_EQ(chooser.calls, 0);
  ASSERT_EQ(song.noteCount, 2);
  EXPECT_EQ(song[1].lyric, "き");
  EXPECT_EQ(song.tempoText, "150.0");

  auto bytes = readFileBytes(path);
  ASSERT_TRUE(bytes);
  std::string threeTracks = *bytes + midiTrackChunk(test::tempoTrack({}));
  threeTracks[11] = 3;  // track count
  ASSERT_TRUE(writeFileBytes(path, threeTracks));
  ASSERT_TRUE(importFile(song, path, ClearDefaults{}, chooser.options()));
  EXPECT_EQ(chooser.calls, 1);
  EXPECT_EQ(song.noteCount, 2);
}

TEST(ImportDispatch, UnknownExtensionLeavesAnEmptyModifiedSong) {
  const TempFolder dir("ruvo_import");
  std::string path = dir / "song.txt";
  ASSERT_TRUE(writeFileBytes(path, "whatever"));
  Song song = twoNotes();
  ASSERT_TRUE(importFile(song, path, ClearDefaults{}, Chooser{}.options()));
  EXPECT_EQ(song.noteCount, 0);
  EXPECT_TRUE(song.modified);
}

TEST(ImportDispatch, BadOrMissingFilesAreReported) {
  const TempFolder dir("ruvo_import");
  std::string path = dir / "bad.mid";
  ASSERT_TRUE(writeFileBytes(path, "MThd"));
  Song song;
  auto bad = importFile(song, path, ClearDefaults{}, Chooser{}.options());
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.error().code, ErrorCode::BadFormat);
  EXPECT_EQ(bad.error().message, "ファイル形式が正しくありません。");
  auto missing = importFile(song, dir / "missing.vsq", ClearDefaults{}, Chooser{}.options());
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ErrorCode::NotFound);
}

TEST(ImportDispatch, SequenceFileAppendsTrackTwoBehindTheSong) {
  const TempFolder dir("ruvo_import");
  std::string path = dir / "more.wsq";
  ASSERT_TRUE(saveSequenceFile(twoNotes(), path));
  Song song = twoNotes();
  Chooser chooser;
  ASSERT_TRUE(importMidiType(song, path, lowerExtension(path), chooser.options()));
  EXPECT_EQ(chooser.calls, 0);
  ASSERT_EQ(song.noteCount, 4);
  EXPECT_EQ(song[2].lyric, "か");
  EXPECT_EQ(song[3].lyric, "き");
}

}  // namespace
}  // namespace ruvo
