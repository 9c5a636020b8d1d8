#pragma once
// What an editing command changed, so that the roll redraws only those notes
// and the window refreshes only what needs it.

#include <algorithm>
#include <limits>

namespace ruvo {

// A range of note indices, empty when last < first. A last of kToEnd means
// every note from first on: their positions on the roll moved (a note was
// inserted or removed, or a length changed).
struct NoteSpan {
  static constexpr int kToEnd = std::numeric_limits<int>::max();
  int first = 0;
  int last = -1;

  static NoteSpan of(int from, int to) { return NoteSpan{std::min(from, to), std::max(from, to)}; }
  static NoteSpan fromOn(int from) { return NoteSpan{from, kToEnd}; }
  bool empty() const { return last < first; }
  bool toEnd() const { return last == kToEnd; }
  // Grows to cover `other` as well.
  void add(const NoteSpan& other) {
    if (other.empty()) return;
    if (empty()) {
      *this = other;
      return;
    }
    first = std::min(first, other.first);
    last = std::max(last, other.last);
  }
};

struct EditResult {
  // Notes to redraw, the old and new selection included. An index may be
  // noteCount (the insertion point after the last note): clamp to the song.
  NoteSpan redraw;
  // The command set the song's changed flag (refresh the title).
  bool modifiedSet = false;
  // A record was pushed or popped: refresh the undo item from the journal
  // (UndoJournal::caption and canUndo).
  bool journalChanged = false;

  bool changedAnything() const { return !redraw.empty() || modifiedSet || journalChanged; }
};

}  // namespace ruvo
