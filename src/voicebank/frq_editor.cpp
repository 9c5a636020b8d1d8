#include "voicebank/frq_editor.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "core/paths.h"

namespace ruvo {

namespace {

// A text that is one finite number and nothing else but blanks.
std::optional<double> wholeNumber(std::string_view text) {
  auto parsed = parseLeadingNumber(text);
  if (!parsed || !std::isfinite(parsed->value)) return std::nullopt;
  for (size_t i = parsed->length; i < text.size(); ++i)
    if (text[i] != ' ' && text[i] != '\t') return std::nullopt;
  return parsed->value;
}

double factorOf(FrqScale how) {
  switch (how) {
    case FrqScale::Half: return 1.0 / 2;
    case FrqScale::Third: return 1.0 / 3;
    case FrqScale::Double: return 2;
    case FrqScale::Triple: return 3;
  }
  return 1;
}

}  // namespace

std::string frqRowText(double hz) { return hz == kNoPitch ? kFrqNoPitchText : fixed8(hz); }

Result<FrqEditor> FrqEditor::open(const std::string& recordingPath) {
  auto table = readFrq(recordingPath);
  if (!table) return tl::unexpected(table.error());
  FrqEditor editor;
  editor.m_recordingPath = recordingPath;
  editor.m_fileName = fileNameOf(recordingPath);
  editor.m_table = std::move(*table);
  editor.rebuildRows();
  editor.valueText = "0.000000";
  editor.averageText = editor.currentAverageText();
  return editor;
}

void FrqEditor::rebuildRows() {
  m_rows.clear();
  m_rows.reserve(static_cast<size_t>(m_table.header.frameCount));
  for (size_t i = 0; i < m_table.values.size(); i += 2) m_rows.push_back(frqRowText(m_table.values[i]));
}

std::string FrqEditor::currentAverageText() const { return fixed8(m_table.header.average); }

void FrqEditor::setSelection(std::vector<int> rows) {
  std::erase_if(rows, [this](int row) { return row < 0 || row >= frameCount(); });
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  m_selection = std::move(rows);
}

void FrqEditor::setCurrentRow(int row) { m_currentRow = row >= 0 && row < frameCount() ? row : -1; }

void FrqEditor::clickRow(int row) {
  setCurrentRow(row);
  if (m_currentRow < 0) return;
  const std::string& text = m_rows[static_cast<size_t>(m_currentRow)];
  valueText = text == kFrqNoPitchText ? std::string() : text;
}

void FrqEditor::setFrequency(int row, double hz) {
  m_table.values[2 * static_cast<size_t>(row)] = hz;
  m_rows[static_cast<size_t>(row)] = frqRowText(hz);
}

FrqRowSpan FrqEditor::setValue() {
  auto value = wholeNumber(valueText);
  if (m_currentRow < 0 || !value) return {};
  m_table.values[2 * static_cast<size_t>(m_currentRow)] = *value;
  m_rows[static_cast<size_t>(m_currentRow)] = valueText;
  m_modified = true;
  return {m_currentRow, m_currentRow};
}

FrqRowSpan FrqEditor::scale(FrqScale how) {
  if (m_selection.empty()) return {};
  for (int row : m_selection) setFrequency(row, frequency(row) * factorOf(how));
  valueText = m_rows[static_cast<size_t>(m_selection.back())];
  m_modified = true;
  return {m_selection.front(), m_selection.back()};
}

FrqRowSpan FrqEditor::clearPitch() {
  if (m_selection.empty()) return {};
  for (int row : m_selection) setFrequency(row, kNoPitch);
  valueText.clear();
  m_modified = true;
  return {m_selection.front(), m_selection.back()};
}

FrqRowSpan FrqEditor::interpolate() {
  if (m_selection.empty()) return {};
  const int a = m_selection.front();
  const int b = m_selection.back();
  if (b <= a + 1) return {};
  const double from = frequency(a);
  const double step = (frequency(b) - from) / (b - a);
  for (int i = a + 1; i < b; ++i) setFrequency(i, from + (i - a) * step);
  m_modified = true;
  return {a + 1, b - 1};
}

Result<void> FrqEditor::revert() {
  auto table = readFrq(m_recordingPath);
  if (!table) return tl::unexpected(table.error());
  m_table = std::move(*table);
  rebuildRows();
  m_selection.clear();
  m_currentRow = -1;
  valueText.clear();
  m_modified = false;
  return {};
}

FrqWriteOutcome FrqEditor::write() {
  if (averageText != currentAverageText()) {
    const double average = leadingNumber(averageText);
    if (average != 0 && std::isfinite(average))
      m_table.header.average = average;
    else
      averageText = currentAverageText();
  }
  FrqWriteOutcome outcome;
  if (auto written = writeFrq(m_table, m_recordingPath); !written) {
    outcome.message = m_fileName + kFrqNotUpdatedText;
    outcome.icon = MessageIcon::Warning;
    outcome.reason = written.error().message;
    return outcome;
  }
  m_written = true;
  m_modified = false;
  outcome.written = true;
  outcome.message = m_fileName + kFrqUpdatedText;
  return outcome;
}

}  // namespace ruvo
