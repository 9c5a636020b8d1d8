#include "song/song_model.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ruvo;

TEST(SongModel, RestTest) {
  EXPECT_TRUE(isRest(""));
  EXPECT_TRUE(isRest("  r "));
  EXPECT_TRUE(isRest("R"));
  EXPECT_FALSE(isRest("ra"));
  EXPECT_FALSE(isRest("あ"));
}

TEST(SongModel, ExtraCommandsNeedSixFields) {
  float tempo = 120, stp = 9;
  std::string env = "keep";
  lookupExtras("\t\t\t\t\ttempo=140.00", tempo, stp, env);
  EXPECT_FLOAT_EQ(tempo, 140);
  EXPECT_FLOAT_EQ(stp, 0);
  EXPECT_EQ(env, "keep");
  tempo = 120;
  lookupExtras("\t\t\t\ttempo=140.00", tempo, stp, env);
  EXPECT_FLOAT_EQ(tempo, 120);
  EXPECT_FALSE(tempoEntry("\t\t\t\ttempo=140.00"));
  EXPECT_FLOAT_EQ(*tempoEntry("\t\t\t\t\ttempo=140.00"), 140);
}

TEST(SongModel, EnvelopeEndsAtSlashOrAtTheNextEntry) {
  float tempo = 100, stp = 0;
  std::string env;
  lookupExtras("\t\t\t\t\ttempo=120.00\\nenv=0 5 35 0 100 100 0", tempo, stp, env);
  EXPECT_FLOAT_EQ(tempo, 120);
  EXPECT_EQ(env, "0 5 35 0 100 100 0");
  lookupExtras("\t\t\t\t\tenv=1 2 3 4 5 6 7\\nstp=20", tempo, stp, env);
  EXPECT_EQ(env, "1 2 3 4 5 6 7");
  EXPECT_FLOAT_EQ(stp, 20);
  lookupExtras("\t\t\t\t\tenv=1 2 3/x\\nfoo=1", tempo, stp, env);
  EXPECT_EQ(env, "1 2 3");
}

TEST(SongModel, GetTempoAppliesEntriesUpToSelFirst) {
  Song song;
  song.tempoText = "100";
  song.at(0) = {"a", 480, 36, ""};
  song.at(1) = {"b", 480, 36, "\t\t\t\t\ttempo=150"};
  song.at(2) = {"c", 480, 36, "\t\t\t\t\ttempo=90"};
  song.noteCount = 3;
  song.selFirst = 1;
  EXPECT_FLOAT_EQ(getTempo(song), 150);
  song.selFirst = 0;
  EXPECT_FLOAT_EQ(getTempo(song), 100);
  song.selFirst = 3;  // nothing selected
  EXPECT_FLOAT_EQ(getTempo(song), 100);
}

TEST(SongModel, TickConversions) {
  EXPECT_FLOAT_EQ(ticksToMs(1920, 120), 500);
  EXPECT_FLOAT_EQ(ticksToMs(960, 120), 250);
  EXPECT_EQ(msToTicks(500, 120), 1920);
  EXPECT_EQ(msToTicks(251, 120), 960);  // rounded to 1/48 beat
  EXPECT_EQ(msToTicks(0, 120), 0);
}

TEST(SongModel, TempoOutsidePlayableRangeTimesAtItsNearestEnd) {
  // A damaged "@set tempo=" once gave "inf" and "nan" lengths in the script.
  for (float tempo : {0.0f, -5.0f, std::nanf(""), 1e-30f}) {
    EXPECT_FLOAT_EQ(ticksToMs(1920, tempo), 60000) << tempo;
    EXPECT_EQ(msToTicks(60000, tempo), 1920) << tempo;
  }
  EXPECT_FLOAT_EQ(ticksToMs(1920, 1e30f), 6);
  EXPECT_EQ(msToTicks(6, 1e30f), 1920);
}

TEST(SongModel, SplitFlags) {
  auto parts = splitFlags("g-5B30N,Y");
  EXPECT_EQ(parts.breath, "B30");
  EXPECT_EQ(parts.noFormant, "N");
  EXPECT_EQ(parts.rest, "g-5Y");
  parts = splitFlags("BNN");
  EXPECT_EQ(parts.breath, "B0");
  EXPECT_EQ(parts.noFormant, "N");
  EXPECT_EQ(parts.rest, "");
  parts = splitFlags("");
  EXPECT_EQ(parts.breath + parts.noFormant + parts.rest, "");
}

TEST(SongModel, ClearKeepsOneElementAndResetsTheProject) {
  Song song;
  song.at(5).lyric = "x";
  song.noteCount = 6;
  song.selFirst = song.selLast = 4;
  song.projectName = "p";
  song.cacheDir = "c";
  song.outputFile = "keep.wav";
  clearSong(song, {"/vb", "/bin/splicer", "/bin/resampler"});
  ASSERT_EQ(song.notes.size(), 1u);
  EXPECT_EQ(song.notes[0].lyric, "");
  EXPECT_EQ(song.noteCount, 0);
  EXPECT_EQ(song.selFirst + song.selLast, 0);
  EXPECT_EQ(song.projectName, "新規プロジェクト");
  EXPECT_EQ(song.voiceFolder, "/vb");
  EXPECT_EQ(song.joinerPath, "/bin/splicer");
  EXPECT_EQ(song.cacheDir, "");
  EXPECT_EQ(song.outputFile, "keep.wav");
}

TEST(SongModel, PropsSplitPadsAndCuts) {
  auto props = splitProps("35\t50");
  EXPECT_EQ(props[0], "35");
  EXPECT_EQ(props[1], "50");
  EXPECT_EQ(props[5], "");
  props = splitProps("a\tb\tc\td\te\tf\tg");
  EXPECT_EQ(props[5], "f");
}
