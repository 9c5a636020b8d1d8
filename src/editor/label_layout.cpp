#include "editor/label_layout.h"

#include <algorithm>

#include "core/numbers.h"

namespace ruvo {

namespace {

bool isSelected(const Song& song, int index) {
  int low = std::min(song.selFirst, song.selLast);
  int high = std::max(song.selFirst, song.selLast);
  return index >= low && index <= high;
}

Colour backgroundOf(const Song& song, int index) {
  bool rest = isRest(song[index].lyric);
  if (index == song.selFirst) return rest ? Colour::NoteRtop : Colour::NoteTop;
  if (isSelected(song, index)) return rest ? Colour::NoteRsel : Colour::NoteSel;
  return rest ? Colour::NoteRnor : Colour::NoteNor;
}

}  // namespace

void layoutLabels(const Song& song, const RollView& view, RollSize size, LabelLayout& layout) {
  const int h = view.rowHeight;
  const double z = view.zoom;
  const double origin = static_cast<double>(view.hPos) * kTicksPerBeat;
  float tempo = tempoOfBox(song.tempoText);
  layout.fontSize = labelFontSize(h);
  layout.tempoMarks.clear();
  layout.songLength = 0;
  layout.selectedSeconds = 0;
  std::string tag = shortestFloat(tempo);
  for (int i = 0; i < song.noteCount; ++i) {
    const Note& note = song[i];
    const double start = static_cast<double>(layout.songLength);
    const int w = static_cast<int>(roundHalfEven(note.length / z));
    const int x = clampToInt32(static_cast<double>(roundHalfEven((start - origin) / z + 1565)));
    if (auto entry = tempoEntry(note.props)) {
      tempo = *entry;
      tag = shortestFloat(tempo);
      if (x + 30 >= 0 && x <= size.width) layout.tempoMarks.push_back(x);
    }
    layout.songLength += note.length;
    const bool inView = x <= size.width + 1920 && static_cast<int64_t>(x) + w >= 1;
    if (!inView) {
      if (static_cast<size_t>(i) < layout.labels.size()) layout.labels[static_cast<size_t>(i)].visible = false;
      continue;
    }
    if (static_cast<size_t>(i) >= layout.labels.size()) layout.labels.resize(static_cast<size_t>(i) + 1);
    NoteLabel& label = layout.labels[static_cast<size_t>(i)];
    const int y = rowTop(noteNumberRow(note.noteNumber), view);
    if (y < h) {
      label.visible = false;
      label.left = -label.width;
      continue;
    }
    label.tag = tag;
    label.width = static_cast<int>(intFloor(w / 15.0 + 1.5)) * 15;
    label.height = h + 15;
    label.left = static_cast<int>(intFloor(x / 15.0 + 0.5)) * 15;
    label.top = y;
    label.visible = true;
    if (isSelected(song, i)) layout.selectedSeconds += note.length / static_cast<double>(tempo) / 32.0;
    label.background = backgroundOf(song, i);
  }
  layout.hMaximum = hScrollMaximum(layout.songLength, size.width, view.zoom);
}

std::vector<TwipBox> repaintedBoxes(const LabelLayout& before, int countBefore, const LabelLayout& after,
                                    int countAfter, const NoteSpan& changed, int rowHeight, int rollWidth) {
  std::vector<TwipBox> boxes;
  if (before.tempoMarks != after.tempoMarks) boxes.push_back({0, rowHeight - 45, rollWidth, 30});
  auto boxOf = [](const NoteLabel& label) { return TwipBox{label.left, label.top, label.width, label.height}; };
  const size_t size = std::max(before.labels.size(), after.labels.size());
  for (size_t i = 0; i < size; ++i) {
    const int index = static_cast<int>(i);
    const bool wasShown = i < before.labels.size() && index < countBefore && before.labels[i].visible;
    const bool isShown = i < after.labels.size() && index < countAfter && after.labels[i].visible;
    if (!wasShown && !isShown) continue;
    const bool same = wasShown && isShown && boxOf(before.labels[i]) == boxOf(after.labels[i]) &&
                      before.labels[i].background == after.labels[i].background;
    if (same && (index < changed.first || index > changed.last)) continue;
    if (wasShown) boxes.push_back(boxOf(before.labels[i]));
    if (isShown && !same) boxes.push_back(boxOf(after.labels[i]));
  }
  return boxes;
}

void clearLabels(LabelLayout& layout) {
  layout.labels.resize(1);
  layout.labels[0].visible = false;
}

void hideAllLabels(LabelLayout& layout) {
  for (auto& label : layout.labels) {
    label.visible = false;
    label.left = -2000;
  }
}

}  // namespace ruvo
