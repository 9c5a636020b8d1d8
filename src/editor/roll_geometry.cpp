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

RollView openingView(const Song& song, RollView view, int pictureHeight, int vMaximum) {
  int low = kRollRows;
  int high = -1;
  int64_t start = 0;
  int64_t firstSung = -1;
  size_t seen = 0;
  for (int i = 0; i < song.noteCount && seen < kOpeningNotes; start += song[i].length, ++i) {
    const int key = song[i].noteNumber;
    if (isRest(song[i].lyric) || key < 0 || key > 83) continue;
    if (firstSung < 0) firstSung = start;
    low = std::min(low, key);
    high = std::max(high, key);
    ++seen;
  }
  if (high < 0 || view.rowHeight <= 0) {
    view.hPos = 0;
    view.vPos = vPositionAfterClear(vMaximum);
    return view;
  }
  // One beat before the first sung note, so that it does not sit on the keys.
  view.hPos = static_cast<int>(std::max<int64_t>(0, firstSung / kTicksPerBeat - 1));
  // Rows under the ruler strip; the middle of the notes' rows goes to their middle.
  const int rows = std::max(1, pictureHeight / view.rowHeight - 1);
  const int middleRow = 84 - (low + high) / 2;
  view.vPos = std::clamp(middleRow - 1 - rows / 2, 0, vMaximum);
  return view;
}

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
