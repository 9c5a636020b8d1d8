#include <gtest/gtest.h>

#include <filesystem>

#include "core/text_file.h"
#include "interchange/import_dispatch.h"
#include "interchange/midi_bytes.h"
#include "interchange/sequence_document.h"
#include "interchange/vsq_writer.h"
#include "midi_builder.h"

namespace ruvo {
namespace {

std::string tempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("ruvo_import_" + name)).string();
}

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
  std::string path = tempPath("Song.MID");
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
  std::filesystem::remove(path);
}

TEST(ImportDispatch, NoTrackChosenImportsNothing) {
  std::string path = tempPath("one.smf");
  ASSERT_TRUE(writeFileBytes(path, test::smfFile(0, 480, {test::tempoTrack({{0, 90}})})));
  Song song;
  Chooser chooser;
  chooser.answer = 0;
  ASSERT_TRUE(importFile(song, path, ClearDefaults{}, chooser.options()));
  EXPECT_EQ(chooser.calls, 1);  // a file of one track still asks
  EXPECT_EQ(song.noteCount, 0);
  EXPECT_EQ(song.tempoText, "120.0");
  EXPECT_EQ(song.projectName, "新規プロジェクト");
  std::filesystem::remove(path);
}

TEST(ImportDispatch, TwoTrackVsqNeedsNoChoiceThreeTracksDo) {
  std::string path = tempPath("song.vsq");
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
  std::filesystem::remove(path);
}

TEST(ImportDispatch, UnknownExtensionLeavesAnEmptyModifiedSong) {
  std::string path = tempPath("song.txt");
  ASSERT_TRUE(writeFileBytes(path, "whatever"));
  Song song = twoNotes();
  ASSERT_TRUE(importFile(song, path, ClearDefaults{}, Chooser{}.options()));
  EXPECT_EQ(song.noteCount, 0);
  EXPECT_TRUE(song.modified);
  std::filesystem::remove(path);
}

TEST(ImportDispatch, BadOrMissingFilesAreReported) {
  std::string path = tempPath("bad.mid");
  ASSERT_TRUE(writeFileBytes(path, "MThd"));
  Song song;
  auto bad = importFile(song, path, ClearDefaults{}, Chooser{}.options());
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.error().code, ErrorCode::BadFormat);
  EXPECT_EQ(bad.error().message, "ファイル形式が正しくありません。");
  auto missing = importFile(song, tempPath("missing.vsq"), ClearDefaults{}, Chooser{}.options());
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ErrorCode::NotFound);
  std::filesystem::remove(path);
}

TEST(ImportDispatch, SequenceFileAppendsTrackTwoBehindTheSong) {
  std::string path = tempPath("more.wsq");
  ASSERT_TRUE(saveSequenceFile(twoNotes(), path));
  Song song = twoNotes();
  Chooser chooser;
  ASSERT_TRUE(importMidiType(song, path, lowerExtension(path), chooser.options()));
  EXPECT_EQ(chooser.calls, 0);
  ASSERT_EQ(song.noteCount, 4);
  EXPECT_EQ(song[2].lyric, "か");
  EXPECT_EQ(song[3].lyric, "き");
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace ruvo
