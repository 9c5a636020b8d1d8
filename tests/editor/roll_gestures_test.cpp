#include "editor/roll_gestures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit_test_support.h"
#include "editor/undo_apply.h"

using namespace ruvo;
using ruvo::testing::Shape;
using ruvo::testing::shapeOf;
using ruvo::testing::songOf;

namespace {

constexpr int kKey = 40;  // row 44: top (44 - 36) * 210 at the default view
constexpr RollSize kSize{900 * 15, 500 * 15};

Song sung(std::vector<std::pair<std::string, int>> notes) {
  std::vector<Note> built;
  for (auto& [lyric, length] : notes) built.push_back(Note{lyric, length, kKey, ""});
  return songOf(built);
}

// The label's width in twips that reads back as `ticks` at zoom 2.
int widthFor(int ticks) { return ticks / 2 + 15; }

int topOf(int noteNumber, const RollView& view) { return rowTop(noteNumberRow(noteNumber), view); }

}  // namespace

TEST(RollGestures, LengthFromDraggedWidth) {
  struct Case {
    int ticks, unit, length;
  } cases[] = {{70, 240, 80},   {70, 1920, 80},    {80, 960, 80},     {100, 240, 240},
               {400, 240, 480}, {1900, 240, 1920}, {1840, 120, 1800}, {81, 960, 960}};
  for (const Case& c : cases) EXPECT_EQ(snappedLength(c.ticks, c.unit), c.length) << c.ticks << "/" << c.unit;
  EXPECT_EQ(widthTicks(975, 2), 1920);  // a 1920-tick note's label at zoom 2
  EXPECT_EQ(widthTicks(widthFor(70), 2), 70);
  EXPECT_EQ(snapTop(1680 + 89, 210), 1680);  // 90 twips down reach the next row
  EXPECT_EQ(snapTop(1680 + 90, 210), 1890);
  EXPECT_EQ(snapTop(1680 - 120, 210), 1680);
  EXPECT_EQ(snapTop(1680 - 121, 210), 1470);
  EXPECT_EQ(snapTop(-100, 210), 0);
  EXPECT_EQ(snapTop(-200, 210), -210);
}

// Each release: the song after it, whether one undo step was pushed, and
// that undoing it gives the song back.
TEST(RollGestures, ReleaseAdjustsTheNextNoteAndUndoesInOneStep) {
  const GestureKeys none, ctrl{false, true, false}, ctrlAlt{false, true, true}, shift{true, false, false};
  struct Case {
    const char* what;
    Song song;
    int ticks, unit;
    GestureKeys keys;
    std::vector<Shape> after;
  } cases[] = {
      {"a sung next note refuses lengthening",
       sung({{"あ", 1920}, {"か", 1920}}),
       2400,
       240,
       none,
       {{"あ", 1920, kKey}, {"か", 1920, kKey}}},
      {"shortening inserts a rest at the key",
       sung({{"あ", 1920}, {"か", 1920}}),
       960,
       240,
       none,
       {{"あ", 960, kKey}, {"R", 960, kKey}, {"か", 1920, kKey}}},
      {"shortening by 60 is ignored",
       sung({{"あ", 1920}, {"か", 1920}}),
       1860,
       60,
       none,
       {{"あ", 1920, kKey}, {"か", 1920, kKey}}},
      {"Ctrl: the pair keeps its total",
       sung({{"あ", 1920}, {"か", 1920}}),
       2400,
       240,
       ctrl,
       {{"あ", 2400, kKey}, {"か", 1440, kKey}}},
      {"Ctrl near the total absorbs the next",
       sung({{"あ", 1920}, {"か", 1920}, {"さ", 480}}),
       3780,
       240,
       ctrl,
       {{"あ", 3840, kKey}, {"さ", 480, kKey}}},
      {"Ctrl with Alt acts as no key",
       sung({{"あ", 1920}, {"か", 1920}}),
       2400,
       240,
       ctrlAlt,
       {{"あ", 1920, kKey}, {"か", 1920, kKey}}},
      {"a rest next acts as Ctrl",
       sung({{"あ", 1920}, {"R", 1920}}),
       960,
       240,
       none,
       {{"あ", 960, kKey}, {"R", 2880, kKey}}},
      {"Shift leaves the neighbours",
       sung({{"あ", 1920}, {"か", 1920}}),
       2400,
       240,
       shift,
       {{"あ", 2400, kKey}, {"か", 1920, kKey}}},
  };
  const RollView view;
  const OtoTable oto;
  for (Case& c : cases) {
    SCOPED_TRACE(c.what);
    Song& song = c.song;
    const auto original = shapeOf(song);
    UndoJournal journal;
    LabelRelease release{0, topOf(kKey, view), widthFor(c.ticks), c.unit, c.keys};
    EditResult result = releaseLabel(song, journal, oto, view, release);
    EXPECT_EQ(shapeOf(song), c.after);
    const bool changed = c.after != original;
    EXPECT_EQ(journal.size(), changed ? 1u : 0u);
    EXPECT_EQ(song.modified, changed);
    EXPECT_EQ(result.journalChanged, changed);
    if (!changed) continue;
    EXPECT_EQ(journal.caption(), "ノートの変更を元に戻す(&U)");
    applyUndoRecord(song, *journal.pop());
    EXPECT_EQ(shapeOf(song), original);
  }
  // The last note has no neighbour: its length is set as snapped.
  Song last = sung({{"か", 480}, {"あ", 1920}});
  UndoJournal journal;
  (void)releaseLabel(last, journal, oto, view, {1, topOf(kKey, view), widthFor(100), 240, none});
  EXPECT_EQ(last[1].length, 240);
}

TEST(RollGestures, ReleaseTakesTheKeyFromTheRowClampedToTheKeyboard) {
  const RollView view;
  const OtoTable oto;
  struct Case {
    int noteNumber, top, expected;
  } cases[] = {
      {kKey, topOf(kKey, view) - 2 * 210 + 40, kKey + 2},  // two rows up, a little below
      {kKey, topOf(kKey, view) + 3 * 210 - 100, kKey - 3},
      {kKey, topOf(83, view) - 5 * 210, 83},
      {kKey, topOf(0, view) + 5 * 210, 0},
      {-1, topOf(-1, view), -1},  // a note without key is not given one by a click
      {-1, topOf(-1, view) - 210, 0},
  };
  for (const Case& c : cases) {
    Song song = songOf({Note{"あ", 1920, c.noteNumber, ""}});
    UndoJournal journal;
    (void)releaseLabel(song, journal, oto, view, {0, c.top, 975, 240, {}});
    EXPECT_EQ(song[0].noteNumber, c.expected) << c.top;
    EXPECT_EQ(journal.size(), c.expected != c.noteNumber ? 1u : 0u);
  }
}

TEST(RollGestures, DraggedLabelFollowsThePointerWithinLimits) {
  const NoteLabel label{true, 1560, 1680, 975, 225, Colour::NoteNor, "120"};
  LabelDrag drag;
  drag.begin(0, label, 1560 + 500, 1700);  // body: the key
  EXPECT_FALSE(drag.widthDrag());
  EXPECT_TRUE(drag.move(3000, 1700 - 420, 2));
  EXPECT_EQ(drag.top(), 1680 - 420);
  EXPECT_EQ(drag.width(), 975);

  drag.begin(0, label, 1560 + 975 - 60, 1700);  // edge zone: the width
  EXPECT_TRUE(drag.widthDrag());
  EXPECT_TRUE(drag.move(1560 + 975 + 300, 5000, 2));
  EXPECT_EQ(drag.width(), 975 + 300 + 60);  // the edge moves with the pointer
  EXPECT_EQ(drag.top(), 1680);
  int lastAccepted = drag.width();
  for (int x = 1560 + 975 + 300; x > 0; x -= 30) {
    drag.move(x, 1000, 2);
    EXPECT_GT(drag.width(), 20);  // 40 ticks at zoom 2
    if (drag.width() != lastAccepted) lastAccepted = drag.width();
  }
  EXPECT_EQ(drag.top(), 1680);  // held at the limit it stays a width drag
  for (int x = 100; x < 40000; x += 500) drag.move(x, 1000, 2);
  EXPECT_LE(drag.width(), 15360);  // 16 beats at zoom 2
  EXPECT_GT(drag.width(), 15000);
}

TEST(RollGestures, HitTestAndPressSelection) {
  Song song = sung({{"あ", 1920}, {"か", 1920}, {"さ", 1920}});
  LabelLayout layout;
  RollView view;
  layoutLabels(song, view, kSize, layout);
  const NoteLabel& second = layout.labels[1];
  EXPECT_EQ(labelAtPoint(layout, song.noteCount, second.left + 10, second.top + 10), 1);
  EXPECT_EQ(labelAtPoint(layout, song.noteCount, second.left, second.top),
            1);  // overlaps note 0's last pixel
  EXPECT_EQ(labelAtPoint(layout, song.noteCount, second.left + 10, second.top - 10), -1);
  EXPECT_EQ(labelAtPoint(layout, 0, second.left + 10, second.top + 10), -1);
  EXPECT_TRUE(inEdgeZone(975, 900));
  EXPECT_FALSE(inEdgeZone(975, 885));

  selectOnPress(song, 0, {});
  selectOnPress(song, 2, {true, false, false});
  EXPECT_EQ(std::pair(song.selFirst, song.selLast), std::pair(0, 2));
  EXPECT_FALSE(selectOnRightPress(song, 1));
  EXPECT_EQ(std::pair(song.selFirst, song.selLast), std::pair(0, 2));
  song.selFirst = song.selLast = 1;
  EXPECT_TRUE(selectOnRightPress(song, 2));
  EXPECT_EQ(std::pair(song.selFirst, song.selLast), std::pair(2, 2));
}

TEST(RollGestures, BandSelectsTheNotesItCoversByTime) {
  Song song = songOf({{"あ", 1920, kKey, ""}, {"R", 960, 30, ""}, {"か", 1920, 10, "\t\t\t\t\ttempo=60"}});
  LabelLayout layout;
  RollView view;
  layoutLabels(song, view, kSize, layout);
  const auto& l = layout.labels;
  // Across the end of note 0 into note 2, whatever the rows.
  double seconds = bandSelect(song, layout, view, kSize.width, l[2].left + 30, l[0].left + 500);
  EXPECT_EQ(std::pair(song.selFirst, song.selLast), std::pair(0, 2));
  EXPECT_DOUBLE_EQ(seconds, 1920 / 120.0 / 32 + 960 / 120.0 / 32 + 1920 / 60.0 / 32);
  EXPECT_EQ(l[0].background, Colour::NoteTop);
  EXPECT_EQ(l[1].background, Colour::NoteRsel);
  EXPECT_EQ(l[2].background, Colour::NoteSel);

  seconds = bandSelect(song, layout, view, kSize.width, l[1].left + 30, l[1].left + 31);
  EXPECT_EQ(std::pair(song.selFirst, song.selLast), std::pair(1, 1));
  EXPECT_EQ(l[0].background, Colour::NoteNor);
  EXPECT_EQ(l[1].background, Colour::NoteRtop);

  seconds = bandSelect(song, layout, view, kSize.width, l[2].left + 2000, l[2].left + 3000);
  EXPECT_EQ(std::pair(song.selFirst, song.selLast), std::pair(3, 3));
  EXPECT_EQ(secondsText(seconds), "0.000000 sec");
}
