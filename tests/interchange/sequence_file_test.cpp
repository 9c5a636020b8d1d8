#include <gtest/gtest.h>

#include <filesystem>

#include "core/text_file.h"
#include "interchange/sequence_document.h"
#include "interchange/sequence_reader.h"
#include "interchange/sequence_writer.h"
#include "interchange/smf_file.h"
#include "midi_builder.h"
#include "support/expect_notes.h"
#include "support/temp_folder.h"

namespace ruvo {
namespace {

using ruvo::testing::TempFolder;

Song project() {
  Song song;
  song.projectName = "歌の練習";
  song.tempoText = "132.5";
  song.voiceFolder = "C:\\voice\\あ";
  song.joinerPath = "/opt/ruvo/splicer";
  song.resamplerPath = "/opt/ruvo/resampler";
  song.outputFile = "out.wav";
  song.projectFlags = "g-5";
  song.notes = {{"か", 1920, 36, "30\t80\t50\t\tB50\t"},
                {"R", 960, 36, ""},
                {"きゃ", 480, 40, "\t100\t\t12Q120.00 5\t\ttempo=140.00\\nenv=0 5 35 0 100 100 0\\nstp=20"},
                {"R", 480, 40, "\t\t\t\t\ttempo=100.00"},
                {"さ", 960, 30, "12.5\t120\t\t\tN\t"},
                {"R", 1920, 30, ""}};
  song.noteCount = static_cast<int>(song.notes.size());
  return song;
}

TEST(SequenceFile, RoundTripKeepsNotesPropertiesAndSettings) {
  const TempFolder dir("ruvo_seq");
  std::string path = dir / "round.wsq";
  ASSERT_TRUE(saveSequenceFile(project(), path));
  Song back;
  ASSERT_TRUE(openSequenceFile(back, path, ""));
  EXPECT_EQ(back.projectPath, path);
  EXPECT_EQ(back.projectName, "歌の練習");
  EXPECT_EQ(back.tempoText, "132.5");
  EXPECT_EQ(back.voiceFolder, "C:\\voice\\あ");
  EXPECT_EQ(back.joinerPath, "/opt/ruvo/splicer");
  EXPECT_EQ(back.resamplerPath, "/opt/ruvo/resampler");
  EXPECT_EQ(back.outputFile, "out.wav");
  EXPECT_EQ(back.projectFlags, "g-5");
  EXPECT_EQ(back.cacheDir, dir / "round.cache");

  ASSERT_EQ(back.noteCount, 6);
  const std::vector<Note> expected = {
      // The first element carries the file's tempo.
      {"か", 1920, 36, "30\t80\t50\t\tB50\ttempo=132.50"},
      // Rests take the key of the note before them.
      {"R", 960, 36, "\t\t\t\t\t"},
      {"きゃ", 480, 40, "\t100\t\t12Q120.00 5\t\ttempo=140.00\\nenv=0 5 35 0 100 100 0\\nstp=20"},
      // A tempo change on a rest stays on the rest.
      {"R", 480, 40, "\t\t\t\t\ttempo=100.00"},
      {"さ", 960, 30, "12.5\t120\t\t\tN\t"},
      // Rests at the end of the song are kept.
      {"R", 1920, 30, "\t\t\t\t\t"}};
  ruvo::testing::expectNotes(back, expected);
}

TEST(SequenceFile, HeaderLinesAreReadBackAfterSettings) {
  Song song = project();
  MidiWriteInput input;
  input.headerLines = sequenceHeaderLines(song);
  Song back;
  auto read = readSequenceFile(buildSequenceMidi(song, input), back, MidiReadOptions{120, ""});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->headerLines,
            (std::vector<std::string>{"Settings", "@rem project=歌の練習", "@set tempo=132.5", "@set oto=C:\\voice\\あ",
                                      "@set tool=/opt/ruvo/splicer", "@set resamp=/opt/ruvo/resampler",
                                      "@set output=out.wav", "@set flag=g-5", "@set env=5 35"}));
}

TEST(SequenceFile, ThreeTracksTakeTheSecondTracksHeaderLines) {
  const TempFolder dir("ruvo_seq");
  MidiWriteInput input;
  input.headerLines = sequenceHeaderLines(project());
  const std::string written = buildSequenceMidi(project(), input);
  auto layout = parseSmf(written);
  ASSERT_TRUE(layout);
  ASSERT_EQ(layout->tracks.size(), 2u);
  ByteWriter middle;
  middle.meta(0, 1, "@set flag=Y0");
  middle.meta(0, 1, "@set output=x.wav");
  middle.endOfTrack(0);
  const std::string path = dir / "three.wsq";
  ASSERT_TRUE(writeFileBytes(path, test::smfFile(1, 480, {std::string(layout->tracks[0]), middle.bytes(),
                                                          std::string(layout->tracks[1])})));
  Song back;
  ASSERT_TRUE(openSequenceFile(back, path, ""));
  // The second track's lines come after the first's, so they win.
  EXPECT_EQ(back.projectFlags, "Y0");
  EXPECT_EQ(back.outputFile, "x.wav");
  EXPECT_EQ(back.voiceFolder, "C:\\voice\\あ");
  ASSERT_EQ(back.noteCount, 6);
  EXPECT_EQ(back[2].lyric, "きゃ");
}

TEST(SequenceFile, EmptyProjectKeepsItsSettings) {
  const TempFolder dir("ruvo_seq");
  Song song;
  song.voiceFolder = "bank";
  song.tempoText = "90.0";
  std::string path = dir / "empty.wsq";
  ASSERT_TRUE(saveSequenceFile(song, path));
  Song back;
  ASSERT_TRUE(openSequenceFile(back, path, ""));
  EXPECT_EQ(back.noteCount, 0);
  EXPECT_EQ(back.voiceFolder, "bank");
  EXPECT_EQ(back.tempoText, "90");
}

TEST(SequenceFile, DamagedFileLeavesAnEmptySong) {
  const TempFolder dir("ruvo_seq");
  std::string path = dir / "bad.wsq";
  ASSERT_TRUE(saveSequenceFile(project(), path));
  std::filesystem::resize_file(path, 30);  // header and a cut first track
  Song back;
  auto opened = openSequenceFile(back, path, "");
  ASSERT_FALSE(opened);
  EXPECT_EQ(opened.error().message, "ファイル形式が正しくありません");
  EXPECT_EQ(back.noteCount, 0);
  EXPECT_FALSE(openSequenceFile(back, dir / "missing.wsq", ""));
}

TEST(SequenceFile, DataEntriesAreTracedWithoutStoppingTheRead) {
  const TempFolder dir("ruvo_seq");
  std::string trace = dir / "trace.log";
  std::string file = buildSequenceMidi(project(), MidiWriteInput{});
  // Listing scans every track; the voice track sets its bend range by data entry.
  EXPECT_EQ(listTracks(file, MidiReadOptions{120, trace}).size(), 2u);
  auto logged = readFileBytes(trace);
  ASSERT_TRUE(logged);
  EXPECT_EQ(*logged, "     0 #0000 0x0A\r\n     0 #0000 0x0A00\r\n");
  EXPECT_EQ(listTracks(file, MidiReadOptions{120, dir / "no/such/folder/test.log"}).size(), 2u);
}

}  // namespace
}  // namespace ruvo
