#include <gtest/gtest.h>

#include "core/text_codec.h"
#include "interchange/import_dispatch.h"
#include "interchange/midi_bytes.h"
#include "interchange/smf_file.h"
#include "interchange/vsq_phonetic.h"
#include "interchange/vsq_reader.h"
#include "interchange/vsq_writer.h"
#include "midi_builder.h"
#include "support/expect_notes.h"

namespace ruvo {
namespace {

const MidiReadOptions kNoTrace{120, ""};

Song songOf(std::vector<Note> notes) {
  Song song;
  song.notes = std::move(notes);
  song.noteCount = static_cast<int>(song.notes.size());
  return song;
}

// A VSQ voice track holding the metatext in pieces of `pieceSize` bytes.
std::string voiceTrack(const std::string& metatext, size_t pieceSize = kVsqPieceSize) {
  ByteWriter track;
  track.meta(0, 3, "Voice1");
  std::string bytes = utf8ToCp932(metatext);
  for (size_t start = 0, j = 0; start < bytes.size(); start += pieceSize, ++j) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "DM:%04zu:", j);
    track.meta(0, 1, prefix + bytes.substr(start, pieceSize));
  }
  track.endOfTrack(0);
  return track.bytes();
}

TEST(Vsq, PhoneticSymbols) {
  EXPECT_EQ(phoneticSymbols("か"), "k a");
  EXPECT_EQ(phoneticSymbols("ら"), "4 a");
  EXPECT_EQ(phoneticSymbols("う"), "M");
  EXPECT_EQ(phoneticSymbols("ん"), "n");
  EXPECT_EQ(phoneticSymbols("ゃ"), "j a");
  EXPECT_EQ(phoneticSymbols("きゃ"), "k i");
  EXPECT_EQ(phoneticSymbols("っ"), "t M");
  EXPECT_EQ(phoneticSymbols("xヴ"), "v M");
  EXPECT_EQ(phoneticSymbols("ABC"), "");
}

TEST(Vsq, MetatextSectionsAndLines) {
  std::string text = vsqMetatext(songOf({{"か", 1920, 36, ""}, {"R", 960, 36, ""}, {" ら", 480, 38, ""}}));
  EXPECT_TRUE(text.starts_with("[Common]\nVersion=DSB301\nName=メイン\nColor=181,162,123\n"));
  size_t events = text.find("[EventList]");
  ASSERT_NE(events, std::string::npos);
  EXPECT_EQ(text.substr(events),
            "[EventList]\n0=ID#0000\n0=ID#0001\n720=ID#0002\n840=EOS\n"
            "[ID#0000]\nType=Singer\nIconHandle=h#0000\n"
            "[ID#0001]\nType=Anote\nLength=480\nNote#=60\nDynamics=100\nPMBendDepth=10\nPMBendLength=5\n"
            "PMbPortamentoUse=0\nDEMdecGainRate=80\nDEMaccent=90\nLyricHandle=h#0001\n"
            "[ID#0002]\nType=Anote\nLength=120\nNote#=62\nDynamics=100\nPMBendDepth=10\nPMBendLength=5\n"
            "PMbPortamentoUse=0\nDEMdecGainRate=80\nDEMaccent=90\nLyricHandle=h#0002\n"
            "[h#0000]\nIconID=$07010000\nIDS=Ruvo\nOriginal=0\nCaption=\nlength=1\nLanguage=0\nProgram=0\n"
            "[h#0001]\nL0=\"か\",\"k a\",0.000000,64,0,0\n"
            "[h#0002]\nL0=\" ら\",\"4 a\",0.000000,64,0,0\n");
}

TEST(Vsq, FileLayoutAndPieces) {
  Song song = songOf({{"か", 1920, 36, ""}, {"き", 1920, 38, "\t\t\t\t\ttempo=150"}});
  std::string file = buildVsq(song, 120);
  auto layout = parseSmf(file);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->format, 1);
  EXPECT_EQ(layout->division, 480);
  EXPECT_EQ(test::hex(layout->tracks[0]),
            "00 FF 03 0C 4D 61 73 74 65 72 20 54 72 61 63 6B 00 FF 51 03 07 A1 20 00 FF 58 04 04 02 18 08 "
            "83 60 FF 51 03 06 1A 80 00 FF 2F 00");
  std::string metatext = utf8ToCp932(vsqMetatext(song));
  std::string_view voice = layout->tracks[1];
  // Full pieces are 127-byte text events: "DM:0000:" and 119 bytes.
  EXPECT_EQ(test::hex(voice.substr(10, 12)), "00 FF 01 7F 44 4D 3A 30 30 30 30 3A");
  EXPECT_EQ(voice.substr(22, 119), std::string_view(metatext).substr(0, 119));
  EXPECT_EQ(test::hex(voice.substr(voice.size() - 20)),
            "00 B0 63 00 00 B0 62 00 00 B0 06 00 00 B0 26 00 00 FF 2F 00");
}

TEST(Vsq, RoundTripKeepsLyricsLengthsKeysAndTempo) {
  Song song = songOf({{"R", 960, 36, ""},
                      {"か", 1920, 36, "\t80\t\t\t\t"},
                      {"R", 480, 36, ""},
                      {"ん", 960, 47, "\t\t\t\t\ttempo=150.00"},
                      {"R", 1920, 36, ""}});
  Song back;
  auto read = readVsqTrack(buildVsq(song, 125), 2, back, kNoTrace);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->tempo, 125);
  ASSERT_EQ(back.noteCount, 5);
  const std::vector<Note> expected = {{"R", 960, 36, "\t\t\t\t\t"},
                                      {"か", 1920, 36, "\t100\t\t\t\t"},
                                      {"R", 480, 36, "\t100\t\t\t\t"},
                                      {"ん", 960, 47, "\t100\t\t\t\ttempo=150.00"},
                                      {"R", 1920, 36, "\t100\t\t\t\t"}};
  ruvo::testing::expectNotes(back, expected);
}

TEST(Vsq, LyricSplitBetweenPiecesSurvives) {
  int straddled = 0;
  for (int pad = 0; pad < 2; ++pad) {
    std::string lyric = std::string(static_cast<size_t>(pad), 'x');
    for (int i = 0; i < 60; ++i) lyric += "あ";
    Song song = songOf({{lyric, 1920, 36, ""}});
    std::string metatext = utf8ToCp932(vsqMetatext(song));
    size_t at = metatext.find(utf8ToCp932(lyric));
    ASSERT_NE(at, std::string::npos);
    for (size_t k = 0; k < 60; ++k)
      if ((at + static_cast<size_t>(pad) + 2 * k) % kVsqPieceSize == kVsqPieceSize - 1) ++straddled;
    Song back;
    ASSERT_TRUE(readVsqTrack(buildVsq(song, 120), 2, back, kNoTrace));
    ASSERT_EQ(back.noteCount, 1);
    EXPECT_EQ(back[0].lyric, lyric);
  }
  EXPECT_GE(straddled, 1);
}

std::string handMadeMetatext() {
  return std::string("[Common]\nVersion=DSB301\n[EventList]\n0=ID#0000\n0=ID#0001\n591=ID#0002\n1080=ID#0003\n1700=EOS\n"
         "[ID#0000]\nType=Singer\n") +
         "[ID#0001]\nType=Anote\nLength=600\nNote#=60\nPMBendDepth=2\nLyricHandle=h#0001\n"
         "[ID#0002]\nType=Anote\nLength=480\nNote#=62\nDynamics=64\nPMBendDepth=2\nLyricHandle=h#0002\n"
         "[ID#0003]\nType=Anote\nLength=480\nNote#=64\nLyricHandle=h#0003\n"
         "[ID#0009]\nType=Anote\nLength=480\n"
         "[h#0001]\nL0=\" か \",\"k a\",0.000000,64,0,0\n"
         "[h#0002]\nL0=\"a,b\",\"k i\"\n"
         "[h#0003]\nL0=\"x" + std::string(1, '\0') + "y\",\"t e s\"\n"
         "[PitchBendBPList]\n0=4096\n5=0\n591=100\n596=200\n1080=300\n1085=400\n";
}

TEST(Vsq, ReaderGapsOverlapsHandlesAndBends) {
  std::string file = test::smfFile(1, 480, {test::tempoTrack({{0, 120}, {1080, 60}}),
                                            voiceTrack(handMadeMetatext())});
  Song song;
  auto read = readVsqTrack(file, 1, song, kNoTrace);  // track 1 reads track 2
  ASSERT_TRUE(read);
  ASSERT_EQ(song.noteCount, 4);
  // か overlaps the next event and ends where it begins; its bends are its own.
  EXPECT_EQ(song[0].lyric, "か");
  EXPECT_EQ(song[0].length, 2364);
  EXPECT_EQ(song[0].noteNumber, 36);
  EXPECT_EQ(song[0].props, "\t\t\t100Q120.00 0 0 0\t\t");
  // The point at the note's own tick belongs to it; a quoted comma stays in the lyric.
  EXPECT_EQ(song[1].lyric, "a,b");
  EXPECT_EQ(song[1].props, "\t64\t\t2.44Q120.00 4.88 4.88 4.88\t\t");
  // 9 ticks (36 song ticks) to the next event: left out, not a rest.
  EXPECT_EQ(song[1].length, 1920);
  // A lyric with a NUL takes the symbols; no bend depth: no curve; the tempo change is on the note.
  EXPECT_EQ(song[2].lyric, "tes");
  EXPECT_EQ(song[2].props, "\t\t\t\t\ttempo=60.00");
  EXPECT_EQ(song[3].lyric, "R");
  EXPECT_EQ(song[3].length, (1700 - 1080 - 480) * 4);
}

TEST(Vsq, BendsAtTheNotesDepthBecomePlainCents) {
  // Depth 12 semitones: 2048 is 300 cents, -4096 is -600.
  std::string metatext = "[EventList]\n0=ID#0001\n[ID#0001]\nType=Anote\nLength=480\nNote#=60\nPMBendDepth=12\n"
                         "[PitchBendBPList]\n0=0\n10=0\n15=2048\n30=-4096\n";
  Song song;
  ASSERT_TRUE(readVsqTrack(test::smfFile(1, 480, {test::tempoTrack({{0, 120}}), voiceTrack(metatext)}), 2, song,
                           kNoTrace));
  ASSERT_EQ(song.noteCount, 1);
  EXPECT_EQ(splitProps(song[0].props)[kPropPitchCurve], "0Q120.00 0 0 300 300 300 -600 -600 -600");
}

TEST(Vsq, WithoutBendListOrTempoTheDefaultsStand) {
  std::string metatext = "[EventList]\n0=ID#0001\n[ID#0001]\nType=Anote\nLength=480\nNote#=60\nLyricHandle=h#0001\n";
  Song song;
  auto read = readVsqTrack(test::smfFile(1, 480, {test::tempoTrack({}), voiceTrack(metatext)}), 2, song,
                           MidiReadOptions{98.5, ""});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->tempo, 98.5);
  ASSERT_EQ(song.noteCount, 1);
  EXPECT_EQ(song[0].lyric, "h#0001");  // no handle: the id stays
  EXPECT_EQ(song[0].props, "\t\t\t\t\t");
  Song none;
  EXPECT_FALSE(readVsqTrack(test::smfFile(1, 480, {test::tempoTrack({})}), 2, none, kNoTrace));
  EXPECT_FALSE(readVsqTrack(test::smfFile(2, 480, {test::tempoTrack({}), voiceTrack(metatext)}), 2, none, kNoTrace));
}

}  // namespace
}  // namespace ruvo
