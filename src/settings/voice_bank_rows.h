#pragma once
// The registered voice banks as the options dialog edits them: a list of
// rows "name" TAB "folder", the name and folder boxes, and the selected row.
// Rows are only appended, replaced and removed; the first row stays the
// default voice bank of new projects.

#include <string>
#include <string_view>
#include <vector>

namespace ruvo {

// What an add or set did: the row was written, or the box that must be
// filled first (the dialog moves the focus there, without a message).
enum class RowEdit { Done, NeedName, NeedFolder };

class VoiceBankRows {
 public:
  // The non-empty entries of a settings OtoList, in order.
  explicit VoiceBankRows(const std::vector<std::string>& otoList);

  const std::vector<std::string>& rows() const { return m_rows; }
  // -1 when no row is selected.
  int selected() const { return m_selected; }

  // Selects a row and puts its name and folder into the boxes (a missing
  // field gives an empty box). An index out of range selects nothing.
  void pick(int row);
  // Appends the boxes as a row and empties them.
  [[nodiscard]] RowEdit add();
  // Replaces the selected row by the boxes, which keep their text; with no
  // row selected nothing changes.
  [[nodiscard]] RowEdit set();
  // Removes the selected row; afterwards no row is selected.
  void remove();

  // The settings' OtoList: the rows, or one empty entry when there are none
  // (new projects then get an empty voice folder).
  std::vector<std::string> otoList() const;

  std::string name;    // the name box
  std::string folder;  // the folder box

 private:
  [[nodiscard]] RowEdit checkBoxes() const;
  std::string boxesAsRow() const;

  std::vector<std::string> m_rows;
  int m_selected = -1;
};

// The settings file separates name and folder with "," and entries with
// line ends, so a name may hold neither a comma nor a TAB (the row's own
// separator).
bool isAcceptedVoiceBankName(std::string_view name);

}  // namespace ruvo
