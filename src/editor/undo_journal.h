#pragma once
// The undo journal: a bounded stack of records, each with the label of the
// command that pushed it. A record is one or more lines joined by CR LF (see
// note_lines.h); undo_apply.h carries them out. Beside it, the redo steps:
// each undo leaves one, a new record clears them.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/note_patch.h"

namespace ruvo {

// What redoes one undone step: the notes as they were before the undo, and
// the record and label that go back onto the journal.
struct RedoStep {
  std::string record;
  std::string label;
  NotePatch patch;
};

class UndoJournal {
 public:
  // Pushing onto a full journal drops the oldest record.
  static constexpr size_t kCapacity = 1024;

  // A new edit: the record goes on top and the redo steps are dropped.
  void push(std::string record, std::string label);
  // The newest record, removed from the journal; empty when there is none.
  [[nodiscard]] std::optional<std::string> pop();
  // The newest record's label; empty when there is none.
  std::string newestLabel() const;
  // Empties the journal and the redo steps (whenever the song is cleared).
  void reset();

  bool canUndo() const { return !m_entries.empty(); }
  size_t size() const { return m_entries.size(); }
  // The undo menu item's caption: the newest label followed by
  // "を元に戻す(&U)", or "元に戻す(&U)" alone when the journal is empty.
  std::string caption() const;

  // Redo: an undo keeps its step here; redoing takes the newest one and puts
  // its record back onto the journal, keeping the other redo steps.
  void pushRedo(RedoStep step);
  [[nodiscard]] std::optional<RedoStep> popRedo();
  bool canRedo() const { return !m_redo.empty(); }
  // "やり直し(&R)" alone, or after the newest redo step's label and "を".
  std::string redoCaption() const;

 private:
  struct Entry {
    std::string record;
    std::string label;
  };
  void append(std::string record, std::string label);

  std::deque<Entry> m_entries;
  std::vector<RedoStep> m_redo;
};

}  // namespace ruvo
