#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <tuple>

#include "editor/label_layout.h"
#include "editor/roll_background.h"

using namespace ruvo;

namespace {

Song songOf(const std::vector<Note>& notes) {
  Song song;
  song.notes = notes;
  song.noteCount = static_cast<int>(notes.size());
  song.selFirst = song.selLast = song.noteCount;
  return song;
}

constexpr RollSize kSize{900 * 15, 500 * 15};

}  // namespace

TEST(RollGeometry, GridAndRanges) {
  const int spacings[] = {1920, 960, 640, 480, 384, 320, 274, 240};
  for (int z = 1; z <= 8; ++z) EXPECT_EQ(beatSpacing(z), spacings[z - 1]) << z;
  EXPECT_EQ(rowKeyKind(1), '2');   // B7
  EXPECT_EQ(rowKeyKind(2), '1');   // A#7
  EXPECT_EQ(rowKeyKind(12), '0');  // C7
  EXPECT_EQ(rowKeyKind(13), '2');
  EXPECT_EQ(labelFontSize(180), 8);
  EXPECT_EQ(labelFontSize(240), 9);
  EXPECT_EQ(vScrollMaximum(210, 84 * 210 + 480), 0);
  EXPECT_EQ(vPositionAfterClear(36), 36);
  EXPECT_EQ(vPositionAfterClear(35), 17);
  EXPECT_EQ(beatLengthText("132.5"), "0.452830 sec");
  for (const char* box : {"abc", "0", "-3", ""}) EXPECT_EQ(beatLengthText(box), "2.000000 sec") << box;
}

TEST(RollGeometry, BackgroundFromBeatFiveLabelsBarsFromTwo) {
  RollView view;
  view.hPos = 5;
  auto steps = rollBackground(view, kSize);
  std::vector<std::pair<int, std::string>> texts;
  int beatLines = 0;
  for (const auto& step : steps) {
    if (step.kind == RollStep::Kind::Text) texts.emplace_back(step.x1, step.text);
    if (step.kind == RollStep::Kind::Line && step.y1 == view.rowHeight && step.x1 == step.x2 && step.x1 > 1560)
      ++beatLines;
  }
  EXPECT_EQ(beatLines, 24);  // 25 lines at z = 2, the first on the keyboard edge
  auto bar = std::find_if(texts.begin(), texts.end(), [](auto& t) { return t.first > 1000 && t.second == "2"; });
  ASSERT_NE(bar, texts.end());
  EXPECT_EQ(bar->first, 3 * 960 + 1560 - 90);  // beat 8 is the fourth line
  EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](auto& t) { return t.second == "1"; }), 0);
  EXPECT_NE(std::find(texts.begin(), texts.end(), std::pair<int, std::string>{1050, "C4"}), texts.end());
}

TEST(RollGeometry, BeatLinesReachTheRightEdgeOfAWideRoll) {
  // {roll width in pixels, zoom, the rightmost beat line's x in twips}
  const std::tuple<int, int, int> cases[] = {{900, 2, 1560 + 24 * 960}, {1920, 2, 1560 + 29 * 960}, {1920, 1, 1560 + 15 * 1920}};
  for (const auto& [pixels, zoom, rightmost] : cases) {
    RollView view;
    view.zoom = zoom;
    int last = 0;
    for (const auto& step : rollBackground(view, RollSize{pixels * 15, 500 * 15}))
      if (step.kind == RollStep::Kind::Line && step.y1 == view.rowHeight && step.x1 == step.x2) last = std::max(last, step.x1);
    EXPECT_EQ(last, rightmost) << pixels << " px, zoom " << zoom;
  }
}

TEST(LabelLayout, GeometryColoursAndTags) {
  Song song = songOf({{"あ", 1920, 36, ""}, {"R", 960, 36, ""}, {"か", 1920, 38, "\t\t\t\t\ttempo=60.00"}});
  song.selFirst = 1;
  song.selLast = 2;
  RollView view;
  view.vPos = 40;  // row 48 (C4) is 8 rows down
  LabelLayout layout;
  layoutLabels(song, view, kSize, layout);
  ASSERT_EQ(layout.labels.size(), 3u);
  const NoteLabel& first = layout.labels[0];
  EXPECT_TRUE(first.visible);
  EXPECT_EQ(first.width, 975);  // 1920 ticks at zoom 2, one pixel wider
  EXPECT_EQ(first.left, 1560);
  EXPECT_EQ(first.top, (48 - 40) * 210);
  EXPECT_EQ(first.height, 225);
  EXPECT_EQ(first.background, Colour::NoteNor);
  EXPECT_EQ(first.tag, "120");
  EXPECT_EQ(layout.labels[1].background, Colour::NoteRtop);
  EXPECT_EQ(layout.labels[2].background, Colour::NoteSel);
  EXPECT_EQ(layout.labels[2].tag, "60");
  EXPECT_EQ(layout.labels[2].left, 3000);  // 2880 ticks / 2 + 1565 = 3005, whole pixels
  ASSERT_EQ(layout.tempoMarks.size(), 1u);
  EXPECT_EQ(layout.tempoMarks[0], 3005);
  EXPECT_EQ(layout.songLength, 4800);
  // 960 ticks at 120 plus 1920 ticks at 60: 0.25 + 1 seconds.
  EXPECT_DOUBLE_EQ(layout.selectedSeconds, 1.25);
}

TEST(LabelLayout, HiddenLabelsAndScrolling) {
  Song song = songOf({{"あ", 1920, 83, ""}, {"い", 1920, 36, ""}});
  song.selFirst = 0;
  song.selLast = 1;
  RollView view;  // vPos 36: row 1 (B7) lies above the ruler
  LabelLayout layout;
  layoutLabels(song, view, kSize, layout);
  EXPECT_FALSE(layout.labels[0].visible);
  EXPECT_EQ(layout.labels[0].left, -layout.labels[0].width);
  EXPECT_TRUE(layout.labels[1].visible);
  EXPECT_DOUBLE_EQ(layout.selectedSeconds, 0.5);  // only the label placed in view counts

  view.hPos = 30;  // both notes scroll out to the left
  layoutLabels(song, view, kSize, layout);
  EXPECT_FALSE(layout.labels[1].visible);
  EXPECT_DOUBLE_EQ(layout.selectedSeconds, 0);

  Song empty;
  LabelLayout fresh;
  layoutLabels(empty, RollView{}, kSize, fresh);
  EXPECT_EQ(fresh.hMaximum, 32);
  EXPECT_EQ(fresh.labels.size(), 1u);
  EXPECT_FALSE(fresh.labels[0].visible);

  clearLabels(layout);
  EXPECT_EQ(layout.labels.size(), 1u);
}

TEST(LabelLayout, HorizontalRangeFollowsSongLength) {
  Song song = songOf(std::vector<Note>(100, Note{"あ", 1920, 36, ""}));
  LabelLayout layout;
  layoutLabels(song, RollView{}, kSize, layout);
  // (192000 - (13500 + 1560) * 2) / 1920 = 84.3 -> 84, + 32
  EXPECT_EQ(layout.hMaximum, 116);
  size_t shown = std::count_if(layout.labels.begin(), layout.labels.end(), [](auto& l) { return l.visible; });
  EXPECT_EQ(shown, 15u);  // labels are made only for notes that came into view
}

TEST(RollGeometry, AnEditRepaintsOnlyTheLabelsItChanged) {
  struct Case {
    const char* edit;
    std::function<void(Song&)> apply;
    NoteSpan changed;
    size_t boxes;  // old and new box of each changed label, old only when it went
    bool band;     // the tempo-mark band
  };
  const Case cases[] = {
      {"nothing", [](Song&) {}, NoteSpan{}, 0, false},
      {"lyric", [](Song& s) { s.notes[1].lyric = "い"; }, NoteSpan::of(1, 1), 1, false},
      {"length", [](Song& s) { s.notes[0].length *= 2; }, NoteSpan::fromOn(0), 6, false},
      {"selection", [](Song& s) { s.selFirst = s.selLast = 2; }, NoteSpan::of(2, 3), 2, false},
      {"deleted", [](Song& s) { s.notes.pop_back(); s.noteCount = 2; }, NoteSpan::fromOn(2), 1, false},
      {"tempo", [](Song& s) { s.notes[1].props = "\t\t\t\t\ttempo=90"; }, NoteSpan::of(1, 1), 1, true},
  };
  for (const Case& c : cases) {
    Song song = songOf({{"あ", 480, 36, ""}, {"か", 480, 38, ""}, {"さ", 480, 40, ""}});
    RollView view;
    LabelLayout before;
    layoutLabels(song, view, kSize, before);
    const int countBefore = song.noteCount;
    c.apply(song);
    LabelLayout after = before;
    layoutLabels(song, view, kSize, after);
    const auto boxes = repaintedBoxes(before, countBefore, after, song.noteCount, c.changed, view.rowHeight, kSize.width);
    EXPECT_EQ(boxes.size(), c.boxes + (c.band ? 1 : 0)) << c.edit;
    const TwipBox band{0, view.rowHeight - 45, kSize.width, 30};
    EXPECT_EQ(!boxes.empty() && boxes[0] == band, c.band) << c.edit;
  }
}
