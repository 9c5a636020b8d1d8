#pragma once
// frmSelectTrack, "トラックを選択": the tracks of a file to import from.

#include <string>
#include <vector>

#include <QDialog>

class QListWidget;

namespace ruvo::gui {

class SelectTrackDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(SelectTrackDialog)

 public:
  SelectTrackDialog(const std::vector<std::string>& trackList, QWidget* parent);
  // The chosen track (1-based), 0 for OK with no row, -1 for Cancel.
  int chosenTrack() const;

 private:
  QListWidget* m_list;
};

}  // namespace ruvo::gui
