#include <gtest/gtest.h>

#include "core/text_codec.h"
#include "interchange/bend_list.h"
#include "interchange/sequence_reader.h"
#include "interchange/sequence_writer.h"
#include "interchange/smf_file.h"
#include "midi_builder.h"

namespace ruvo {
namespace {

using test::smfFile;
using test::tempoTrack;

const MidiReadOptions kNoTrace{120, ""};

struct Element {
  std::string lyric;
  int length;
  int key;
  std::string props;
  bool operator==(const Element&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Element& e) {
  return out << "{" << e.lyric << ", " << e.length << ", " << e.key << ", \"" << e.props << "\"}";
}

std::vector<Element> elementsOf(const Song& song) {
  std::vector<Element> elements;
  for (int i = 0; i < song.noteCount; ++i) elements.push_back({song[i].lyric, song[i].length, song[i].noteNumber, song[i].props});
  return elements;
}

std::vector<Element> importOf(const std::string& file, int track, double* tempo = nullptr) {
  Song song;
  auto read = importTrack(file, track, song, kNoTrace);
  EXPECT_TRUE(read) << (read ? "" : read.error().message);
  if (read && tempo) *tempo = read->tempo;
  return elementsOf(song);
}

void lyric(ByteWriter& track, uint32_t delta, std::string_view text) { track.meta(delta, 5, utf8ToCp932(text)); }

TEST(MidiImport, DivisionScalesToSongTicksAndKeysAreLowered) {
  ByteWriter track;
  track.channel2(0, 0x90, 60, 90);    // C4 + 24
  track.channel2(96, 0x80, 60, 0);
  track.channel2(0, 0x90, 20, 64);    // 20 - 12
  track.channel2(48, 0x90, 20, 0);    // note on with velocity 0 ends it
  track.channel2(0, 0x90, 5, 64);     // kept as it is
  track.channel2(24, 0x80, 5, 0);
  track.endOfTrack(0);
  double tempo = 0;
  auto elements = importOf(smfFile(0, 96, {track.bytes()}), 1, &tempo);
  EXPECT_EQ(tempo, 120);  // no tempo event: the default stands
  EXPECT_EQ(elements, (std::vector<Element>{{"あ", 1920, 36, "\t90\t\t\t\ttempo=120.00"},
                                            {"あ", 960, 8, "\t64\t\t\t\t"},
                                            {"あ", 480, 5, "\t64\t\t\t\t"}}));
}

TEST(MidiImport, ShortGapsMergeLongGapsRestOverlapsCloseWithTheirOwnLyric) {
  ByteWriter track;
  lyric(track, 0, "か");
  track.channel2(0, 0x90, 60, 100);
  track.channel2(480, 0x80, 60, 0);
  lyric(track, 9, "き");              // 36 song ticks: merged into か
  track.channel2(0, 0x90, 62, 100);
  track.channel2(480, 0x80, 62, 0);
  lyric(track, 10, "く");             // 40 song ticks: a rest
  track.channel2(0, 0x90, 64, 100);
  lyric(track, 240, "け");            // け starts before く ends
  track.channel2(0, 0x90, 65, 100);
  track.channel2(240, 0x80, 64, 0);   // not the sounding key: ignored
  track.channel2(240, 0x80, 65, 0);
  track.endOfTrack(480);              // trailing rest
  auto elements = importOf(smfFile(1, 480, {tempoTrack({{0, 120}}), track.bytes()}), 2);
  ASSERT_EQ(elements.size(), 6u);
  EXPECT_EQ(elements[0], (Element{"か", 1920 + 36, 36, "\t100\t\t\t\ttempo=120.00"}));
  EXPECT_EQ(elements[1], (Element{"き", 1920, 38, "\t100\t\t\t\t"}));
  EXPECT_EQ(elements[2], (Element{"R", 40, 38, "\t\t\t\t\t"}));
  EXPECT_EQ(elements[3], (Element{"く", 960, 40, "\t100\t\t\t\t"}));
  EXPECT_EQ(elements[4], (Element{"け", 1920, 41, "\t100\t\t\t\t"}));
  EXPECT_EQ(elements[5], (Element{"R", 1920, 41, "\t\t\t\t\t"}));
}

// Notes at 0-480 and 1440-1920, a tempo change to 60 at 960 in the rest.
std::vector<Element> expectedAroundTempoChange() {
  return {{"あ", 1920, 36, "\t100\t\t\t\ttempo=120.00"},
          {"R", 1920, 36, "\t\t\t\t\t"},
          {"R", 1920, 36, "\t\t\t\t\ttempo=60.00"},
          {"あ", 1920, 36, "\t100\t\t\t\t"}};
}

TEST(MidiImport, TempoChangeCutsTheRest) {
  ByteWriter track;
  track.channel2(0, 0x90, 60, 100);
  track.channel2(480, 0x80, 60, 0);
  track.channel2(960, 0x90, 60, 100);
  track.channel2(480, 0x80, 60, 0);
  track.endOfTrack(0);
  double tempo = 0;
  EXPECT_EQ(importOf(smfFile(1, 480, {tempoTrack({{0, 120}, {960, 60}}), track.bytes()}), 2, &tempo),
            expectedAroundTempoChange());
  EXPECT_EQ(tempo, 120);
}

TEST(MidiImport, SingleTrackFileTakesEachTempoChangeOnce) {
  ByteWriter track;
  track.tempo(0, 500000);
  track.channel2(0, 0x90, 60, 100);
  track.channel2(480, 0x80, 60, 0);
  track.tempo(480, 1000000);
  track.channel2(480, 0x90, 60, 100);
  track.channel2(480, 0x80, 60, 0);
  track.endOfTrack(0);
  EXPECT_EQ(importOf(smfFile(0, 480, {track.bytes()}), 1), expectedAroundTempoChange());
}

TEST(MidiImport, RunningStatusIsRead) {
  ByteWriter track;
  track.channel2(0, 0x90, 60, 100);
  track.raw(std::string_view("\x83\x60\x3C\x00" "\x00\x3E\x50" "\x83\x60\x3E\x00", 11));
  track.meta(0, 1, "break");          // meta events leave running status in force
  track.raw(std::string_view("\x00\x40\x50" "\x83\x60\x40\x00", 7));
  track.endOfTrack(0);
  auto elements = importOf(smfFile(0, 480, {track.bytes()}), 1);
  ASSERT_EQ(elements.size(), 3u);
  EXPECT_EQ(elements[1], (Element{"あ", 1920, 38, "\t80\t\t\t\t"}));
  EXPECT_EQ(elements[2], (Element{"あ", 1920, 40, "\t80\t\t\t\t"}));
}

TEST(MidiImport, DataByteWithoutStatusKeepsWhatWasRead) {
  ByteWriter track;
  track.channel2(0, 0x90, 60, 100);
  track.channel2(480, 0x80, 60, 0);
  track.endOfTrack(0);
  // A data byte before any channel status: the read stops at it.
  std::string damaged = std::string("\x00\x3C\x40", 3) + track.bytes();
  EXPECT_TRUE(importOf(smfFile(0, 480, {damaged}), 1).empty());
  EXPECT_EQ(importOf(smfFile(0, 480, {track.bytes() + std::string("\x00\x3C", 2)}), 1).size(), 1u);
}

TEST(MidiImport, RefusesFormat2MissingTracksAndSmpteTime) {
  std::string track = tempoTrack({{0, 120}});
  Song song;
  auto refused = importTrack(smfFile(2, 480, {track, track}), 1, song, kNoTrace);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().message, "ファイル形式が正しくありません。");
  EXPECT_TRUE(listTracks(smfFile(2, 480, {track}), kNoTrace).empty());
  EXPECT_FALSE(importTrack(smfFile(1, 480, {track, track}), 3, song, kNoTrace));
  EXPECT_FALSE(importTrack(smfFile(1, 480, {track}), 0, song, kNoTrace));
  EXPECT_FALSE(importTrack(smfFile(1, 0xE728, {track}), 1, song, kNoTrace));
  EXPECT_FALSE(importTrack("RIFF....", 1, song, kNoTrace));
  EXPECT_EQ(song.noteCount, 0);
}

TEST(MidiImport, TrackListNamesTracksAndSkipsForeignChunks) {
  ByteWriter first;
  first.meta(0, 3, "old");
  first.meta(0, 3, utf8ToCp932("歌"));
  first.endOfTrack(0);
  std::string file = smfFile(1, 480, {first.bytes(), tempoTrack({})});
  // A foreign chunk between the header and the tracks is passed over.
  file.insert(14, std::string("XFIH\x00\x00\x00\x02zz", 10));
  EXPECT_EQ(listTracks(file, kNoTrace), (std::vector<std::string>{"1: 歌", "2: "}));
}

TEST(MidiImport, BendsBecomeThePitchCurve) {
  EXPECT_EQ(bendsToPitchCurve({{0, 819}, {5, -819}}, 480, 10, 120), "99.97Q120.00 -99.97 -99.97 -99.97");
  EXPECT_EQ(bendsToPitchCurve({{0, 819}}, 480, 10, 120), "");
  // Points every 1/96 quarter: at division 96 one tick apart; a bend between
  // two points shows from the next point on.
  EXPECT_EQ(bendsToPitchCurve({{0, -4096}, {3, 4096}}, 192, 2, 98.5), "-100Q98.50 -100 100 100 100");

  // Values are plain numbers, cut toward zero: only the tempo has two fixed decimals.
  EXPECT_EQ(bendsToPitchCurve({{0, 29}, {5, -37}, {10, 41}}, 480, 2, 120), "0.7Q120.00 -0.9 1 1 1");

  // An imported note's bends at the default range of 2 semitones.
  ByteWriter bent;
  bent.channel2(0, 0x90, 60, 100);
  bent.channel2(0, 0xE0, 0x00, 0x40);   // centre: 0
  bent.channel2(10, 0xE0, 0x7F, 0x7F);  // +8191: 199.97 cents
  bent.channel2(10, 0xE0, 0x00, 0x00);  // -8192: -200 cents
  bent.channel2(460, 0x80, 60, 0);
  bent.endOfTrack(0);
  auto imported = importOf(smfFile(1, 480, {tempoTrack({{0, 120}}), bent.bytes()}), 2);
  ASSERT_EQ(imported.size(), 1u);
  EXPECT_EQ(imported[0].props, "\t100\t\t0Q120.00 0 199.97 199.97 -200 -200 -200\t\ttempo=120.00");

  // A tone-module export carries the curve as bends; reading it back samples
  // them again at a range of 10 semitones.
  Song song;
  song.notes = {{"か", 1920, 36, "\t\t\t0Q120.00 50 100\t\t"}};
  song.noteCount = 1;
  MidiWriteInput input;
  input.mode = MidiWriteMode::ToneModule;
  Song back;
  ASSERT_TRUE(importTrack(buildSequenceMidi(song, input), 2, back, kNoTrace));
  ASSERT_EQ(back.noteCount, 1);
  EXPECT_EQ(back[0].props, "\t100\t\t0Q120.00 50.04 99.97 0 0 0\t\ttempo=120.00");
}

}  // namespace
}  // namespace ruvo
