#include "song/value_bounds.h"

#include <gtest/gtest.h>

using namespace ruvo;

TEST(ValueBounds, OnlyATempoTheSongCanPlayPasses) {
  const auto refused = [](const std::string& text) {
    return "テンポ「" + text + "」は使えません。1から10000までの数を入力してください。";
  };
  const struct {
    const char* text;
    bool playable;
  } cases[] = {
      {"120.0", true}, {" 96 ", true},  {"1", true},     {"10000", true}, {"", false},
      {"0", false},    {"-120", false}, {"abc", false},  {"120x", false}, {"10000.5", false},
      {"1e999", false}, {"0.5", false}, {"nan", false},
  };
  for (const auto& c : cases) EXPECT_EQ(tempoTextProblem(c.text), c.playable ? "" : refused(c.text)) << c.text;
}

TEST(ValueBounds, NotesAreBroughtWithinTheirBoundsAndEachChangeIsNamed) {
  Song song;
  song.notes = {Note{"あ", 1920, 36, ""}, Note{"い", 2147483647, 119976, ""}, Note{"R", -2147483647, -1, ""},
                Note{"う", kLongestNoteLength, kHighestNoteNumber, ""}};
  song.noteCount = 4;
  EXPECT_EQ(boundNotes(song), (std::vector<std::string>{
                                  "ノート1「い」の長さ 2147483647 → 31457280",
                                  "ノート1「い」のキー 119976 → 103",
                                  "ノート2「R」の長さ -2147483647 → -31457280",
                              }));
  EXPECT_EQ(song[1].length, kLongestNoteLength);
  EXPECT_EQ(song[1].noteNumber, kHighestNoteNumber);
  EXPECT_EQ(song[2].length, -kLongestNoteLength);
  EXPECT_EQ(song[2].noteNumber, -1);
  EXPECT_EQ(song[3].length, kLongestNoteLength);
  EXPECT_TRUE(boundNotes(song).empty());
}
