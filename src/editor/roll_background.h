#pragma once
// The roll's background as a list of drawing steps in twips: keyboard strip,
// striped rows, octave names, the grid of beat and bar lines, the ruler with
// bar numbers. The view paints the steps in order; tests read them.

#include <string>
#include <vector>

#include "editor/roll_geometry.h"
#include "settings/settings.h"

namespace ruvo {

struct RollStep {
  enum class Kind { Box, Line, Text };
  Kind kind = Kind::Box;
  // Box: the filled rectangle from (x1, y1) to (x2, y2); Line: from
  // (x1, y1) to (x2, y2); Text: `text` with its top left at (x1, y1).
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Colour colour = Colour::Back;
  std::string text;
};

std::vector<RollStep> rollBackground(const RollView& view, RollSize size);

}  // namespace ruvo
