#pragma once
// The frequency-table editor's graph and window size, in twips (1/1440 inch;
// the widget converts to pixels in one place). Frame i sits at
// x = 4860 + 60 i; 0 Hz lies at y = 4005 and each Hz takes 4 twips upwards.
// The graph sits right of the controls, from x = 4680 to the right edge less
// 120, and is drawn only when the drawing area is wider than 4800 twips.

#include <span>
#include <vector>

namespace ruvo {

struct TwipPoint {
  int x = 0;
  int y = 0;
};
struct TwipLine {
  TwipPoint from;
  TwipPoint to;
};
// Corners, both inclusive.
struct TwipBox {
  TwipPoint topLeft;
  TwipPoint bottomRight;
};
struct FrqGraphLabel {
  TwipPoint topLeft;
  int hz = 0;
};

struct FrqGraph {
  bool visible = false;
  TwipBox background;                // white, filled
  TwipLine average;                  // red
  std::vector<TwipLine> gridLines;   // light grey (192, 192, 192), 100..900 Hz
  std::vector<FrqGraphLabel> gridLabels;  // grey (128, 128, 128)
  std::vector<TwipLine> pitchLines;  // blue, between neighbouring frames with pitch
  std::vector<TwipBox> frameMarks;   // blue outlines, one per frame with pitch
};

inline constexpr int kFrqGraphLeft = 4680;

// `values` holds the table's pairs (index 2i is frame i's frequency in Hz,
// as in FrqTable::values). Frames without pitch (55.0)
// and non-finite values are skipped; frames that start past the background's
// right edge are left out, since the graph does not scroll. Coordinates of
// huge values are clamped so that they stay far outside any window.
FrqGraph planFrqGraph(std::span<const double> values, double average, int widthTwips, int heightTwips);

// The size a resize of the editor ends at: the width at least 4770 twips,
// the height 4650 twips.
struct TwipSize {
  int width = 0;
  int height = 0;
};
TwipSize frqEditorSize(TwipSize requested);

}  // namespace ruvo
