#include "editor/roll_background.h"

#include <algorithm>

namespace ruvo {

namespace {

RollStep box(int x1, int y1, int x2, int y2, Colour colour) {
  return {RollStep::Kind::Box, x1, y1, x2, y2, colour, {}};
}
RollStep line(int x1, int y1, int x2, int y2, Colour colour) {
  return {RollStep::Kind::Line, x1, y1, x2, y2, colour, {}};
}
RollStep text(int x, int y, std::string caption) {
  return {RollStep::Kind::Text, x, y, x, y, Colour::Fore, std::move(caption)};
}

}  // namespace

std::vector<RollStep> rollBackground(const RollView& view, RollSize size) {
  const int h = view.rowHeight;
  std::vector<RollStep> steps;
  steps.reserve(kRollRows * 5 + 40 * view.zoom);
  steps.push_back(box(0, h, kKeyboardWidth, size.height, Colour::Piano1));
  for (int r = 1; r <= kRollRows; ++r) {
    const int y = rowTop(r, view);
    switch (rowKeyKind(r)) {
      case '2':
        steps.push_back(line(0, y, kKeyboardWidth, y, Colour::Piano2));
        [[fallthrough]];
      case '0':
        steps.push_back(box(kKeyboardWidth, y + 15, size.width, y + h, Colour::Roll1));
        break;
      default:
        // The white keys' boundary continues from the black key, 90 twips
        // below the row top whatever the row height.
        steps.push_back(line(kBlackKeyLength, y + 90, kKeyboardWidth, y + 90, Colour::Piano2));
        steps.push_back(box(0, y, kBlackKeyLength, y + h, Colour::Piano2));
        steps.push_back(box(kKeyboardWidth, y + 15, size.width, y + h, Colour::Roll2));
        break;
    }
    steps.push_back(line(kKeyboardWidth, y + h, size.width, y + h, r % 12 == 0 ? Colour::Fore : Colour::Shadow));
    if (r % 12 == 0) steps.push_back(text(1050, y, "C" + std::to_string(8 - r / 12)));
  }
  steps.push_back(line(kKeyboardWidth, h, kKeyboardWidth, size.height, Colour::Shadow));
  steps.push_back(box(0, 0, size.width, h, Colour::Back));
  steps.push_back(line(0, h, size.width, h, Colour::Fore));
  const int spacing = beatSpacing(view.zoom);
  // At least the twelve bars' worth of beats a roll of the classic size
  // shows, and as many more as a wider window needs.
  const int lastLine = std::max(12 * view.zoom, (size.width - kKeyboardWidth) / spacing + 1);
  for (int u = 0; u <= lastLine; ++u) {
    const int x = u * spacing + kKeyboardWidth;
    const int beat = u + view.hPos;
    const bool bar = beat % 4 == 0;
    steps.push_back(line(x, h, x, size.height, bar ? Colour::Sepa1 : Colour::Sepa2));
    steps.push_back(box(x - 90, 15, x - 90 + h, 15 + 150, Colour::Back));
    if (bar) steps.push_back(text(x - 90, 15, std::to_string(beat / 4)));
  }
  return steps;
}

}  // namespace ruvo
