#pragma once
// Where each note's label goes on the roll: one label per note index (label
// 0 exists from the start, the others from their first time in view), its
// box in twips, its background colour, the tempo in force at the note (the
// label's Tag), and what the layout pass yields besides: the song length,
// the selected time in view, the tempo-change marks and the horizontal
// scroll range. The view paints labels from this; tests query it by index.

#include <cstdint>
#include <string>
#include <vector>

#include "editor/edit_result.h"
#include "editor/roll_geometry.h"
#include "settings/settings.h"
#include "song/song_model.h"

namespace ruvo {

struct NoteLabel {
  bool visible = false;
  int left = 0, top = 0, width = 0, height = 0;  // twips
  Colour background = Colour::NoteNor;
  std::string tag;  // tempo in force at the note, shortest decimal text
};

struct LabelLayout {
  std::vector<NoteLabel> labels{NoteLabel{}};
  std::vector<int> tempoMarks;  // x of each red mark (h - 45 .. h - 15, 30 wide)
  int64_t songLength = 0;       // ticks
  double selectedSeconds = 0;   // selected notes placed in view
  int hMaximum = 32;
  int fontSize = 9;
};

// Lays out every label for the song as the view shows it. Labels of notes
// out of view keep their place and are hidden; a note whose row is scrolled
// above the first visible row is hidden and moved left by its own width.
void layoutLabels(const Song& song, const RollView& view, RollSize size, LabelLayout& layout);

// A box on the roll, in twips.
struct TwipBox {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const TwipBox&) const = default;
};

// What must be painted again after a layout went from `before` (of a song
// of `countBefore` notes) to `after` (`countAfter` notes): the old and the
// new box of every label that moved, changed colour or visibility,
// whose note came or went, or whose note is in `changed` (its lyric may
// differ); and the tempo-mark band (`rowHeight`, `rollWidth`: the roll's
// view) when its marks changed. Nothing else on the roll depends on the song.
std::vector<TwipBox> repaintedBoxes(const LabelLayout& before, int countBefore, const LabelLayout& after,
                                    int countAfter, const NoteSpan& changed, int rowHeight, int rollWidth);

// Drops every label but label 0 (the song was cleared).
void clearLabels(LabelLayout& layout);

// Hides every label and moves it to x = -2000 (notes were deleted; the next
// layout places the remaining ones again).
void hideAllLabels(LabelLayout& layout);

}  // namespace ruvo
