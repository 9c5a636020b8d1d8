#include "editor/roll_geometry.h"

#include <algorithm>
#include <cstdio>

#include "core/numbers.h"

namespace ruvo {

char rowKeyKind(int row) { return kKeyPattern[((row - 1) % 12 + 12) % 12]; }

int rowTop(int row, const RollView& view) { return (row - view.vPos) * view.rowHeight; }

int noteNumberRow(int noteNumber) { return 84 - noteNumber; }

int beatSpacing(int zoom) { return static_cast<int>(roundHalfEven(1920.0 / zoom)); }

int labelFontSize(int rowHeight) {
  if (rowHeight <= 180) return 8;
  if (rowHeight <= 240) return 9;
  return 11;
}

int hScrollMaximum(int64_t songLength, int pictureWidth, int zoom) {
  double beats = (static_cast<double>(songLength) - static_cast<double>(pictureWidth + kKeyboardWidth) * zoom) / 1920.0;
  return clampToInt32(std::max<double>(0, static_cast<double>(roundHalfEven(beats))) + 32);
}

int vScrollMaximum(int rowHeight, int pictureHeight) {
  if (rowHeight <= 0) return 0;
  double rows = (84.0 * rowHeight + 480 - pictureHeight) / rowHeight;
  return std::max(0, clampToInt32(static_cast<double>(roundHalfEven(rows))));
}

int vPositionAfterClear(int vMaximum) { return vMaximum > 35 ? 36 : vMaximum / 2; }

float tempoOfBox(const std::string& text) {
  auto tempo = static_cast<float>(leadingNumber(text));
  return tempo > 0 ? tempo : 30.0f;
}

std::string secondsText(double seconds) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.6f sec", seconds);
  return buffer;
}

std::string beatLengthText(const std::string& tempoBoxText) { return secondsText(60.0 / tempoOfBox(tempoBoxText)); }

}  // namespace ruvo
