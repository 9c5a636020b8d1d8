// The point of the song a selection render has reached while it plays.

#include <gtest/gtest.h>

#include "editor/play_position.h"

using namespace ruvo;

TEST(PlayPosition, FindsTheSoundingNoteByLengthAndTempo) {
  Song song;
  song.notes = {{"あ", 1920, 36, ""}, {"か", 960, 38, ""}, {"さ", 1920, 40, ""}, {"た", 0, 40, ""}};
  song.noteCount = 4;
  LabelLayout layout;
  layout.labels.resize(4);
  for (auto* tag : {&layout.labels[0].tag, &layout.labels[1].tag}) *tag = "120";
  layout.labels[2].tag = "60";  // a tempo change: this beat lasts 1 s
  layout.labels[3].tag = "60";
  struct Case {
    int first, last;
    double seconds;
    std::optional<int> note;
    double fraction;
  };
  for (const Case& c :
       {Case{0, 2, 0.0, 0, 0.0}, Case{0, 2, 0.25, 0, 0.5}, Case{0, 2, 0.5, 1, 0.0}, Case{0, 2, 1.25, 2, 0.5},
        Case{0, 2, 1.7, 2, 0.95}, Case{0, 2, 1.75, {}, 0}, Case{1, 2, 0.0, 1, 0.0}, Case{2, 3, 1.5, {}, 0},
        Case{0, 9, 9.0, {}, 0}, Case{0, 2, -1.0, {}, 0}, Case{5, 6, 0.0, {}, 0}}) {
    auto point = playPointAt(song, layout, c.first, c.last, c.seconds);
    ASSERT_EQ(point.has_value(), c.note.has_value()) << c.first << ".." << c.last << " at " << c.seconds;
    if (!point) continue;
    EXPECT_EQ(point->note, *c.note) << c.seconds;
    EXPECT_NEAR(point->fraction, c.fraction, 0.01) << c.seconds;
  }
}
