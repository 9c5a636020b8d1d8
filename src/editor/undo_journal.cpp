#include "editor/undo_journal.h"

#include <utility>

namespace ruvo {

namespace {
constexpr std::string_view kUndoCaption = "元に戻す(&U)";
constexpr std::string_view kUndoLabelSuffix = "を元に戻す(&U)";
constexpr std::string_view kRedoCaption = "やり直し(&R)";
constexpr std::string_view kRedoLabelSuffix = "をやり直し(&R)";
}  // namespace

void UndoJournal::append(std::string record, std::string label) {
  if (m_entries.size() >= kCapacity) m_entries.pop_front();
  m_entries.push_back(Entry{std::move(record), std::move(label)});
}

void UndoJournal::push(std::string record, std::string label) {
  m_redo.clear();
  append(std::move(record), std::move(label));
}

std::optional<std::string> UndoJournal::pop() {
  if (m_entries.empty()) return std::nullopt;
  std::string record = std::move(m_entries.back().record);
  m_entries.pop_back();
  return record;
}

std::string UndoJournal::newestLabel() const { return m_entries.empty() ? std::string() : m_entries.back().label; }

void UndoJournal::reset() {
  m_entries.clear();
  m_redo.clear();
}

std::string UndoJournal::caption() const {
  if (m_entries.empty()) return std::string(kUndoCaption);
  return m_entries.back().label + std::string(kUndoLabelSuffix);
}

void UndoJournal::pushRedo(RedoStep step) {
  if (m_redo.size() >= kCapacity) m_redo.erase(m_redo.begin());
  m_redo.push_back(std::move(step));
}

std::optional<RedoStep> UndoJournal::popRedo() {
  if (m_redo.empty()) return std::nullopt;
  RedoStep step = std::move(m_redo.back());
  m_redo.pop_back();
  append(step.record, step.label);
  return step;
}

std::string UndoJournal::redoCaption() const {
  if (m_redo.empty()) return std::string(kRedoCaption);
  return m_redo.back().label + std::string(kRedoLabelSuffix);
}

}  // namespace ruvo
