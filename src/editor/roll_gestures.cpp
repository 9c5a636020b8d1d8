#include "editor/roll_gestures.h"

#include <algorithm>

#include "core/numbers.h"
#include "editor/note_edits.h"
#include "editor/note_lines.h"

namespace ruvo {

namespace {

constexpr int kShortestLength = 80;      // ticks; also the slack of the neighbour rules
constexpr double kMinDragTicks = 40;     // a dragged width stays above this
constexpr double kMaxDragTicks = 30720;  // and at most 16 beats
constexpr int kSnapOffset = 120;         // twips added to the top before it snaps
constexpr std::string_view kRestLyric = "R";

Colour bandColour(bool rest, bool selected, bool first) {
  if (!selected) return rest ? Colour::NoteRnor : Colour::NoteNor;
  if (first) return rest ? Colour::NoteRtop : Colour::NoteTop;
  return rest ? Colour::NoteRsel : Colour::NoteSel;
}

}  // namespace

int labelAtPoint(const LabelLayout& layout, int noteCount, int x, int y) {
  if (x < kKeyboardWidth) return -1;  // labels are not drawn over the keys
  const int count = std::min(noteCount, static_cast<int>(layout.labels.size()));
  for (int i = count - 1; i >= 0; --i) {
    const NoteLabel& label = layout.labels[static_cast<size_t>(i)];
    if (label.visible && x >= label.left && x < label.left + label.width && y >= label.top &&
        y < label.top + label.height)
      return i;
  }
  return -1;
}

bool inEdgeZone(int width, int xInLabel) { return width - kEdgeZone < xInLabel; }

void selectOnPress(Song& song, int index, GestureKeys keys) {
  if (keys.any()) {
    song.selLast = index;
  } else {
    song.selFirst = song.selLast = index;
  }
}

bool selectOnRightPress(Song& song, int index) {
  if (index >= std::min(song.selFirst, song.selLast) && index <= std::max(song.selFirst, song.selLast))
    return false;
  song.selFirst = song.selLast = index;
  return true;
}

void LabelDrag::begin(int index, const NoteLabel& label, int x, int y) {
  m_active = true;
  m_index = index;
  m_left = label.left;
  m_top = label.top;
  m_width = label.width;
  m_pressX = x - label.left;
  m_pressY = y - label.top;
  m_widthDrag = inEdgeZone(m_width, m_pressX);
}

bool LabelDrag::move(int x, int y, int zoom) {
  if (!m_active) return false;
  if (m_widthDrag) {
    const int xInLabel = x - m_left;
    const int width = m_width + (xInLabel - m_pressX);
    m_pressX = xInLabel;
    if (width <= kMinDragTicks / zoom || width > kMaxDragTicks / zoom || width == m_width) return false;
    m_width = width;
    return true;
  }
  const int top = y - m_pressY;
  if (top == m_top) return false;
  m_top = top;
  return true;
}

int snapTop(int top, int rowHeight) {
  return static_cast<int>(intFloor(static_cast<double>(top + kSnapOffset) / rowHeight)) * rowHeight;
}

int widthTicks(int labelWidth, int zoom) {
  return static_cast<int>(roundHalfEven((labelWidth - kTwipsPerPixel) * static_cast<double>(zoom)));
}

int snappedLength(int ticks, int unit) {
  if (ticks <= kShortestLength) return kShortestLength;
  if (unit <= 0) return ticks;
  if (unit / 2.0 > ticks) return unit;
  return static_cast<int>(intFloor(ticks / static_cast<double>(unit) + 0.5)) * unit;
}

EditResult releaseLabel(Song& song, UndoJournal& journal, const OtoTable& oto, const RollView& view,
                        const LabelRelease& release) {
  const int i = release.index;
  if (i < 0 || i >= song.noteCount) return {};
  const std::string before = noteLine(kPropKind, i, song[i]);
  const int h = view.rowHeight;

  const int top = snapTop(release.top, h);
  if (top != rowTop(noteNumberRow(song[i].noteNumber), view)) {
    const auto key = roundHalfEven(84.0 - top / h - view.vPos);
    song[i].noteNumber = static_cast<int>(std::clamp<int64_t>(key, kLowestKey, kHighestKey));
  }

  int length = snappedLength(widthTicks(release.width, view.zoom), release.quantize);
  const int old = song[i].length;
  std::string extra;
  bool moved = false;  // notes after i start elsewhere
  if (!release.keys.shift && i < song.noteCount - 1) {
    const int j = i + 1;
    if ((release.keys.ctrl && !release.keys.alt) || isRest(song[j].lyric)) {
      const int total = old + song[j].length;
      if (length < total - kShortestLength) {
        extra = noteLine(kPropKind, j, song[j]);
        song[j].length = total - length;
      } else {
        length = total;
        extra = noteLine(kInsertKind, j, song[j]);
        deleteRange(song, j, j);
        moved = true;
      }
    } else if (length >= old - kShortestLength) {
      length = old;
    } else {
      insertNotes(song, j, {makeNote(old - length, kRestLyric, song[i].noteNumber, oto)});
      extra = deleteLine(j, j);
      moved = true;
    }
  }
  song[i].length = length;
  moved = moved || length != old;

  EditResult result{moved ? NoteSpan::fromOn(i) : NoteSpan::of(i, i)};
  if (noteLine(kPropKind, i, song[i]) != before || !extra.empty()) {
    song.modified = true;
    result.modifiedSet = true;
    journal.push(before + std::string(kRecordLineBreak) + extra, std::string(kNoteChangeLabel));
    result.journalChanged = true;
  }
  return result;
}

bool lengtheningRefused(const Song& song, const RollView& view, const LabelRelease& release) {
  const int i = release.index;
  if (release.keys.shift || i < 0 || i >= song.noteCount - 1) return false;
  if ((release.keys.ctrl && !release.keys.alt) || isRest(song[i + 1].lyric)) return false;
  return snappedLength(widthTicks(release.width, view.zoom), release.quantize) > song[i].length;
}

double bandSelect(Song& song, LabelLayout& layout, const RollView& view, int innerWidth, int x1, int x2) {
  const int lo = std::min(x1, x2);
  const int hi = std::max(x1, x2);
  song.selFirst = song.selLast = song.noteCount;
  double seconds = 0;
  const double z = view.zoom;
  double x = -static_cast<double>(view.hPos) * kTicksPerBeat / z + kKeyboardWidth;
  const int count = std::min(song.noteCount, static_cast<int>(layout.labels.size()));
  for (int i = 0; i < count; ++i) {
    const double w = song[i].length / z;
    NoteLabel& label = layout.labels[static_cast<size_t>(i)];
    if (x + w > 0 && x < innerWidth) {
      const bool rest = isRest(song[i].lyric);
      if (label.left + label.width >= lo && label.left <= hi) {
        seconds += song[i].length / static_cast<double>(tempoOfBox(label.tag)) / 32.0;
        if (label.visible) {
          const bool first = song.selFirst == song.noteCount;
          if (first) song.selFirst = i;
          label.background = bandColour(rest, true, first);
          song.selLast = i;
        }
      } else if (label.visible) {
        label.background = bandColour(rest, false, false);
      }
    }
    x += w;
  }
  return seconds;
}

}  // namespace ruvo
