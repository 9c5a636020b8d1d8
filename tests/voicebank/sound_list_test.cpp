#include "voicebank/sound_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <filesystem>

#include "core/text_file.h"
#include "support/temp_folder.h"
#include "voicebank/frq_table.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

TEST(SoundList, FrqToNote) {
  struct Case {
    double hz;
    int note;
  };
  for (const Case& c : {Case{261.63, 36}, Case{440, 45}, Case{65.4063913251497, 12}, Case{32.70, 0},
                        Case{269.2, 36}, Case{269.4, 37}, Case{0, -1}, Case{-5, -1},
                        Case{std::numeric_limits<double>::infinity(), -1}})
    EXPECT_EQ(frqToNote(c.hz), c.note) << c.hz;
  EXPECT_EQ(frqToNote(std::nan("")), -1);
}

TEST(SoundList, TempoBox) {
  EXPECT_EQ(soundListTempo(""), 120);
  EXPECT_EQ(soundListTempo("0"), 120);
  EXPECT_EQ(soundListTempo("abc"), 120);
  EXPECT_EQ(soundListTempo("90.5"), 90.5);
}

// The estimate from a table's header: its frame count (even outside the
// valid range) and its average.
TEST(SoundList, EstimateFromTheTableHeader) {
  TempFolder dir("ruvo_sound_list");
  const std::string recording = dir / "a.wav";
  struct Case {
    int32_t frames;
    double average;
    double tempo;
    int note;
    int length;
  };
  for (const Case& c : {Case{344, 261.63, 120, 36, 7668}, Case{344, 440, 60, 45, 3834}, Case{344, 32.70, 120, 36, 7668},
                        Case{5000, 440, 120, 45, 111456}, Case{100, 0, 120, 36, 0}, Case{100, -3, 120, 36, 0},
                        Case{100, 20000, 120, 36, 2229}, Case{-100, 440, 120, 45, -2229},
                        Case{2'000'000'000, 440, 10000, 45, 16384 * 1920}}) {
    FrqTable table;
    table.header.frameCount = c.frames;
    table.header.average = c.average;
    ASSERT_TRUE(writeFrq(table, recording));
    ToneEstimate estimate = estimateTone(recording, c.tempo);
    EXPECT_EQ(estimate.noteNumber, c.note) << c.frames << " frames at " << c.average;
    EXPECT_EQ(estimate.length, c.length) << c.frames << " frames at " << c.average;
  }
  ASSERT_TRUE(writeFileBytes(dir / "a_wav.frq", ""));
  EXPECT_EQ(estimateTone(recording, 120).noteNumber, 36);
  EXPECT_EQ(estimateTone(recording, 120).length, 0);
  EXPECT_EQ(estimateTone(dir / "none.wav", 120).length, 0);
}

TEST(SoundList, ListsTheFolderRecordingsByName) {
  TempFolder dir("ruvo_sound_list");
  for (const char* name : {"ka.wav", "KA.WAV", "a.wav", "sa.Wav", "notes.txt", "a_wav.frq"})
    ASSERT_TRUE(writeFileBytes(dir / name, "x"));
  std::filesystem::create_directories(dir / "folder.wav");
  auto entries = listRecordings(dir.path());
  ASSERT_TRUE(entries);
  std::vector<std::string> names;
  for (const auto& entry : *entries) names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<std::string>{"a", "ka", "KA.WAV", "sa.Wav"}));
  EXPECT_EQ(entries->at(2).path, dir / "KA.WAV");
  EXPECT_TRUE(listRecordings(dir / "missing")->empty());
}

}  // namespace
