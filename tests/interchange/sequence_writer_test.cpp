#include <gtest/gtest.h>

#include "core/text_codec.h"
#include "core/text_file.h"
#include "interchange/midi_bytes.h"
#include "interchange/sequence_writer.h"
#include "interchange/smf_file.h"
#include "midi_builder.h"
#include "support/temp_folder.h"

namespace ruvo {
namespace {

using ruvo::testing::TempFolder;
using test::hex;

Song songOf(std::vector<Note> notes) {
  Song song;
  song.notes = std::move(notes);
  song.noteCount = static_cast<int>(song.notes.size());
  return song;
}

TEST(SequenceWriter, HeaderChunkAndTwoTracks) {
  std::string file = buildSequenceMidi(songOf({{"ka", 1920, 36, ""}}), MidiWriteInput{});
  EXPECT_EQ(hex(file.substr(0, 14)), "4D 54 68 64 00 00 00 06 00 01 00 02 01 E0");
  auto layout = parseSmf(file);
  ASSERT_TRUE(layout);
  ASSERT_EQ(layout->tracks.size(), 2u);
  // The chunk lengths add up to the whole file.
  EXPECT_EQ(14 + 8 + layout->tracks[0].size() + 8 + layout->tracks[1].size(), file.size());
}

TEST(SequenceWriter, ConductorCarriesHeaderLinesAndTempoChanges) {
  Song song = songOf({{"ka", 1920, 36, ""},
                      {"R", 960, 36, "\t\t\t\t\ttempo=150"},
                      {"ki", 480, 36, "\t\t\t\t\tenv=1 2\\ntempo=140.509"},
                      {"ku", 480, 36, "\t\t\ttempo=90\t\t"}});  // not in the extra field: no change
  MidiWriteInput input;
  input.tempo = 140;
  input.headerLines = {"@rem project=歌"};
  std::string file = buildSequenceMidi(song, input);
  auto layout = parseSmf(file);
  ASSERT_TRUE(layout);
  std::string expected =
      "00 FF 03 07 43 6F 6E 74 72 6F 6C "              // "Control"
      "00 FF 51 03 06 8A 1B "                          // 428571 us: 140 bpm, integer part
      "00 FF 58 04 04 02 18 08 "
      "00 FF 06 05 53 65 74 75 70 "                    // "Setup"
      "00 FF 01 08 53 65 74 74 69 6E 67 73 "           // "Settings"
      "00 FF 01 0F 40 72 65 6D 20 70 72 6F 6A 65 63 74 3D 89 CC "  // "@rem project=" + CP932
      "83 60 FF 51 03 06 1A 80 "                       // delta 480: 400000 us (150)
      "81 70 FF 51 03 06 84 26 "                       // delta 240: 140.50 -> 427046 us
      "00 FF 2F 00";
  EXPECT_EQ(hex(layout->tracks[0]), expected);
}

TEST(SequenceWriter, VoiceTrackNotesTextsBendsAndRests) {
  Song song = songOf({{"ka", 1920, 36, "30\t\t100\t\t\t"},
                      {"R", 960, 36, ""},
                      {" r ", 960, 36, ""},
                      {"ki", 40, 36, "\t150\t50\t5Q120.00 -5 7\tB5\tenv=0 5\\nstp=3"},
                      {"ku", 8, 110, "\t0.4\t\t\t\t"},
                      {"R", 1920, 36, ""}});
  std::string file = buildSequenceMidi(song, MidiWriteInput{});
  auto layout = parseSmf(file);
  ASSERT_TRUE(layout);
  std::string_view voice = layout->tracks[1];
  // Name, notice text, then the bend range of 10 semitones.
  size_t noticeLength = utf8ToCp932(
      "このファイル形式は予告無く変更・廃止される可能性があります。\n"
      "対応プログラムを作成する場合はそのリスクを覚悟の上作成してください。").size();
  ASSERT_GT(noticeLength, 127u);  // its length takes two bytes
  size_t opening = 11 + 3 + 2 + noticeLength;
  EXPECT_EQ(hex(voice.substr(opening, 16)), "00 B0 65 00 00 B0 64 00 00 B0 06 0A 00 B0 26 00");
  std::string expected =
      // 0000: offset=30 (modulation 100 is left out), lyric, note on 60 velocity 100, off after 480
      "00 FF 01 0F 30 30 30 30 3A 20 6F 66 66 73 65 74 3D 33 30 "
      "00 FF 05 02 6B 61 00 90 3C 64 83 60 80 3C 00 "
      // two rests: 480 ticks before the next note's first event
      "83 60 FF 01 22 30 30 30 33 3A 20 6D 6F 64 3D 35 30 20 66 6C 61 67 3D 42 35 20 "
      "65 6E 76 3D 30 2C 35 20 73 74 70 3D 33 "       // "0003: mod=50 flag=B5 env=0,5 stp=3"
      "00 FF 01 19 30 30 30 33 3A 20 70 69 74 63 68 3D 35 51 31 32 30 2E 30 30 20 2D 35 20 37 "
      "00 FF 05 02 6B 69 00 90 3C 7F "                // volume 150 gives velocity 127
      "00 E0 29 40 05 E0 57 3F "                       // 5 -> 8233, -5 -> 8151; 7 is cut (5 ticks left)
      "05 E0 00 40 00 80 3C 00 "                       // centring bend, note off at the end
      // volume 0.4: integer part 0 reads as 100; key 110+24 is held at 127
      "00 FF 05 02 6B 75 00 90 7F 64 02 80 7F 00 "
      // the trailing rest delays the end of the track
      "83 60 FF 2F 00";
  EXPECT_EQ(hex(voice.substr(opening + 16)), expected);
}

TEST(SequenceWriter, ToneModuleSelectsProgramsFromTheToneMap) {
  const TempFolder folder("ruvo_tone_map");
  ASSERT_TRUE(writeFileBytes(folder / "songtm.cfg", utf8ToCp932("3\t-\tか\r\n9\t-\tき\r\n12\t-\tかぁ\r\n40\tshort\r\n")));
  Song song = songOf({{"か", 480, 36, "\t\t\t\t\t"}, {"き", 480, 36, ""}, {"さ", 480, 36, ""}});
  MidiWriteInput input;
  input.mode = MidiWriteMode::ToneModule;
  input.toneMap = loadToneMap(folder.path());
  std::string file = buildSequenceMidi(song, input);
  auto layout = parseSmf(file);
  ASSERT_TRUE(layout);
  std::string track = hex(layout->tracks[1]);
  EXPECT_NE(track.find("00 B0 26 00 00 B0 00 32 00 B0 20 00 00 C0 0C 00 90 3C 64 78 80 3C 00 "
                       "00 C0 09 00 90 3C 64 78 80 3C 00 00 C0 00"),
            std::string::npos)
      << track;
  EXPECT_EQ(track.find("FF 05"), std::string::npos);  // no lyric events
  EXPECT_EQ(loadToneMap(folder / "missing").programFor("か"), 0);
}

}  // namespace
}  // namespace ruvo
