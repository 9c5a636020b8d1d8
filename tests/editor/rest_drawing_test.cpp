#include "editor/rest_drawing.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "edit_test_support.h"
#include "editor/roll_gestures.h"
#include "editor/undo_apply.h"

using namespace ruvo;
using ruvo::testing::Shape;
using ruvo::testing::shapeOf;
using ruvo::testing::songOf;

namespace {

// Picture x (twips) of a tick at zoom 2 with the roll scrolled to its start.
int xOf(int tick) { return tick / 2 + kKeyboardWidth; }
// Picture y (twips) inside the row of a note number at the default view.
int yOf(int noteNumber) { return (84 - noteNumber - 36) * kRowHeightMiddle + 100; }

}  // namespace

// A double-click on a rest turns the part from the snapped time on into a
// note of the clicked key and the default length, never past the rest; one
// undo step takes it back; a sung note, the ruler or the keys change nothing.
TEST(RestDrawing, ADoubleClickOnARestDrawsANote) {
  const std::vector<Shape> song0{{"あ", 960, 40}, {"R", 3840, 36}, {"い", 480, 41}};
  struct Case {
    const char* what;
    int x, y, length;
    int drawn;  // index of the new note, -1 for none
    std::vector<Shape> after;
  };
  const Case cases[] = {
      {"inside, snapped down to 240", xOf(960 + 1000), yOf(45), 1920, 2,
       {{"あ", 960, 40}, {"R", 960, 36}, {"あ", 1920, 45}, {"R", 960, 36}, {"い", 480, 41}}},
      {"at the rest's start, it takes its place", xOf(960 + 100), yOf(47), 960, 1,
       {{"あ", 960, 40}, {"あ", 960, 47}, {"R", 2880, 36}, {"い", 480, 41}}},
      {"cut short where the rest ends", xOf(960 + 2880), yOf(45), 1920, 2,
       {{"あ", 960, 40}, {"R", 2880, 36}, {"あ", 960, 45}, {"い", 480, 41}}},
      {"past the end: a rest fills the gap", xOf(5280 + 500), yOf(45), 480, 4,
       {{"あ", 960, 40}, {"R", 3840, 36}, {"い", 480, 41}, {"R", 480, 45}, {"あ", 480, 45}}},
      {"on a sung note", xOf(100), yOf(45), 1920, -1, song0},
      {"on the ruler strip", xOf(2000), 100, 1920, -1, song0},
      {"on the keys", 1000, yOf(45), 1920, -1, song0},
  };
  for (const Case& c : cases) {
    std::vector<Note> notes;
    for (const Shape& s : song0) notes.push_back(Note{s.lyric, s.length, s.noteNumber, "\t\t\t\t\t"});
    Song song = songOf(notes);
    UndoJournal journal;
    EditResult result;
    const int drawn = drawNoteInRest(song, journal, OtoTable{}, RollView{}, RestClick{c.x, c.y, 240, c.length}, result);
    EXPECT_EQ(drawn, c.drawn) << c.what;
    EXPECT_EQ(shapeOf(song), c.after) << c.what;
    EXPECT_EQ(journal.canUndo(), drawn >= 0) << c.what;
    if (drawn < 0) continue;
    EXPECT_EQ(std::pair(song.selFirst, song.selLast), std::pair(drawn, drawn)) << c.what;
    EXPECT_TRUE(song.modified && result.modifiedSet) << c.what;
    EXPECT_EQ(journal.caption(), "ノートの挿入を元に戻す(&U)");
    applyUndoRecord(song, *journal.pop());
    EXPECT_EQ(shapeOf(song), song0) << c.what;
  }
}

// A width drag that would lengthen a note before a sung note is refused (the
// status bar says so); Shift, Ctrl or a rest after it let it grow.
TEST(RestDrawing, LengtheningBeforeASungNoteIsRefused) {
  struct Case {
    const char* next;
    int ticks;
    GestureKeys keys;
    bool refused;
  };
  const Case cases[] = {{"い", 2880, {}, true},           {"い", 960, {}, false},
                        {"い", 2880, {true, false, false}, false}, {"い", 2880, {false, true, false}, false},
                        {"い", 2880, {false, true, true}, true}, {"R", 2880, {}, false}};
  for (const Case& c : cases) {
    Song song = songOf({Note{"あ", 1920, 40, ""}, Note{c.next, 1920, 40, ""}});
    const LabelRelease release{0, 0, c.ticks / 2 + 15, 240, c.keys};
    EXPECT_EQ(lengtheningRefused(song, RollView{}, release), c.refused) << c.next << " " << c.ticks;
  }
}
