#include "editor/undo_journal.h"

#include <utility>

namespace ruvo {

namespace {
constexpr std::string_view kUndoCaption = "元に戻す(&U)";
constexpr std::string_view kUndoLabelSuffix = "を元に戻す(&U)";
}  // namespace

void UndoJournal::push(std::string record, std::string label) {
  if (m_entries.size() >= kCapacity) m_entries.pop_front();
  m_entries.push_back(Entry{std::move(record), std::move(label)});
}

std::optional<std::string> UndoJournal::pop() {
  if (m_entries.empty()) return std::nullopt;
  std::string record = std::move(m_entries.back().record);
  m_entries.pop_back();
  return record;
}

void UndoJournal::reset() { m_entries.clear(); }

std::string UndoJournal::caption() const {
  if (m_entries.empty()) return std::string(kUndoCaption);
  return m_entries.back().label + std::string(kUndoLabelSuffix);
}

}  // namespace ruvo
