#pragma once
// What the mouse does to notes on the roll, in twips and without widgets:
// finding the label under the pointer, the selection rules of a press, a
// label following the pointer while it is dragged (up and down for the key,
// its right edge for the length), the release that turns the dragged label
// back into a key and a length snapped to the quantize unit (the next note
// or a new rest taking up the difference, recorded as one undo step), and
// the selection by a band swept across the roll.

#include <string_view>

#include "editor/edit_result.h"
#include "editor/label_layout.h"
#include "editor/roll_geometry.h"
#include "editor/undo_journal.h"
#include "song/song_model.h"
#include "voicebank/oto_table.h"

namespace ruvo {

// The last 90 twips (6 pixels) of a label drag its right edge.
constexpr int kEdgeZone = 90;
constexpr std::string_view kNoteChangeLabel = "ノートの変更";

struct GestureKeys {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool any() const { return shift || ctrl || alt; }
};

// The note whose label is shown at (x, y) in the picture, the highest index
// where neighbours overlap (it is painted last); -1 when none, and over the
// keyboard strip, where labels are not drawn.
int labelAtPoint(const LabelLayout& layout, int noteCount, int x, int y);
// `xInLabel` lies in the edge zone of a label `width` twips wide.
bool inEdgeZone(int width, int xInLabel);

// A left press on note `index`: with a modifier the selection is extended
// to it, otherwise it becomes the selection.
void selectOnPress(Song& song, int index, GestureKeys keys);
// A right press keeps a selection that holds `index`, otherwise selects it.
// True when the selection changed.
bool selectOnRightPress(Song& song, int index);

// A label following the pointer between a left press and its release.
class LabelDrag {
 public:
  // The press at (x, y), picture twips, on `label` of note `index`.
  void begin(int index, const NoteLabel& label, int x, int y);
  // The pointer is at (x, y): a press in the edge zone drags the width
  // (kept while it stays above 40 ticks and at most 16 beats), any other
  // press the top. The kind is the press's for the whole drag, so a width
  // held at its limit does not turn into a key drag. True when the label's
  // box changed.
  bool move(int x, int y, int zoom);
  void end() { m_active = false; }

  bool active() const { return m_active; }
  int index() const { return m_index; }
  int left() const { return m_left; }
  int top() const { return m_top; }
  int width() const { return m_width; }
  bool widthDrag() const { return m_widthDrag; }

 private:
  bool m_active = false;
  bool m_widthDrag = false;
  int m_index = 0;
  int m_left = 0, m_top = 0, m_width = 0;
  int m_pressX = 0, m_pressY = 0;  // inside the label
};

// The label's top snapped to a row: Int(round(top + 120) / h) * h.
int snapTop(int top, int rowHeight);
// A label width in twips as ticks: round((width - 15) * zoom).
int widthTicks(int labelWidth, int zoom);
// The length a dragged width of `ticks` gives with quantize unit `unit`:
// 80 up to 80 ticks, one unit below half a unit, else the nearest multiple.
int snappedLength(int ticks, int unit);

struct LabelRelease {
  int index = 0;
  int top = 0;  // the label's box after the drag, twips
  int width = 0;
  int quantize = 240;
  GestureKeys keys;
};

// The left release on a dragged label: key from the row, length from the
// width; unless Shift is held the next note keeps the song's timing. With
// Ctrl (not Alt), or when the next note is a rest, the pair keeps its total
// (the next note shrinks, or is absorbed when less than 81 ticks would be
// left); otherwise lengthening is refused and shortening by more than 80
// ticks inserts a rest of the difference. A change is one undo step "ノート
// の変更" and sets the changed flag. A note without a key row (below 0 or
// above 83) keeps its number unless the label moved to another row.
EditResult releaseLabel(Song& song, UndoJournal& journal, const OtoTable& oto, const RollView& view,
                        const LabelRelease& release);

// The release would lengthen the note, and the sung note after it keeps it
// from growing (no Shift, no Ctrl without Alt): releaseLabel keeps the length.
bool lengtheningRefused(const Song& song, const RollView& view, const LabelRelease& release);

// Selects the notes whose labels overlap the band between x1 and x2 (either
// order) among the notes in view of a roll `innerWidth` twips wide, colours
// the shown labels as selected or not, and returns the seconds the band
// covers (each note at its label's tempo).
double bandSelect(Song& song, LabelLayout& layout, const RollView& view, int innerWidth, int x1, int x2);

}  // namespace ruvo
