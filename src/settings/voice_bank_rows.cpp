#include "settings/voice_bank_rows.h"

#include "settings/song_defaults.h"

namespace ruvo {

VoiceBankRows::VoiceBankRows(const std::vector<std::string>& otoList) {
  for (const auto& entry : otoList)
    if (!entry.empty()) m_rows.push_back(entry);
}

void VoiceBankRows::pick(int row) {
  if (row < 0 || row >= static_cast<int>(m_rows.size())) {
    m_selected = -1;
    return;
  }
  m_selected = row;
  const std::string& entry = m_rows[static_cast<size_t>(row)];
  name = voiceBankName(entry);
  folder = voiceBankFolder(entry);
}

RowEdit VoiceBankRows::checkBoxes() const {
  if (name.empty()) return RowEdit::NeedName;
  if (folder.empty()) return RowEdit::NeedFolder;
  return RowEdit::Done;
}

std::string VoiceBankRows::boxesAsRow() const { return name + "\t" + folder; }

RowEdit VoiceBankRows::add() {
  RowEdit check = checkBoxes();
  if (check != RowEdit::Done) return check;
  m_rows.push_back(boxesAsRow());
  name.clear();
  folder.clear();
  return RowEdit::Done;
}

RowEdit VoiceBankRows::set() {
  RowEdit check = checkBoxes();
  if (check != RowEdit::Done) return check;
  if (m_selected >= 0) m_rows[static_cast<size_t>(m_selected)] = boxesAsRow();
  return RowEdit::Done;
}

void VoiceBankRows::remove() {
  if (m_selected < 0) return;
  m_rows.erase(m_rows.begin() + m_selected);
  m_selected = -1;
}

std::vector<std::string> VoiceBankRows::otoList() const {
  if (m_rows.empty()) return {std::string()};
  return m_rows;
}

bool isAcceptedVoiceBankName(std::string_view name) { return name.find_first_of(",\t") == std::string_view::npos; }

}  // namespace ruvo
