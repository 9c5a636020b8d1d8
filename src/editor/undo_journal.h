#pragma once
// The undo journal: a bounded stack of records, each with the label of the
// command that pushed it. A record is one or more lines joined by CR LF (see
// note_lines.h); undo_apply.h carries them out.

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

class UndoJournal {
 public:
  // Pushing onto a full journal drops the oldest record.
  static constexpr size_t kCapacity = 1024;

  void push(std::string record, std::string label);
  // The newest record, removed from the journal; empty when there is none.
  [[nodiscard]] std::optional<std::string> pop();
  // Empties the journal (whenever the song is cleared).
  void reset();

  bool canUndo() const { return !m_entries.empty(); }
  size_t size() const { return m_entries.size(); }
  // The undo menu item's caption: the newest label followed by
  // "を元に戻す(&U)", or "元に戻す(&U)" alone when the journal is empty.
  std::string caption() const;

 private:
  struct Entry {
    std::string record;
    std::string label;
  };
  std::deque<Entry> m_entries;
};

}  // namespace ruvo
