#pragma once
// frmSelectTrack, "トラックを選択": the tracks of a file to import from. The
// first track with sung notes is preselected; a chosen track without any is
// named so under the list.

#include <string>
#include <vector>

#include <QDialog>

class QLabel;
class QListWidget;

namespace ruvo::gui {

class SelectTrackDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(SelectTrackDialog)

 public:
  // `sungNotes`: the sung notes of each track (empty when unknown).
  SelectTrackDialog(const std::vector<std::string>& trackList, std::vector<int> sungNotes, QWidget* parent);
  // The chosen track (1-based), 0 for OK with no row, -1 for Cancel.
  int chosenTrack() const;

 private:
  void showTrackNotes();

  QListWidget* m_list;
  QLabel* m_note;
  std::vector<int> m_sungNotes;
};

}  // namespace ruvo::gui
