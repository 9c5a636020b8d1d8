#pragma once
// frmShowRunning: shown while a render batch runs. It tells that an outside
// process is running, shows the batch's progress (note k of n), the time
// since the start and the batch's last output lines. "待機をやめる", Esc and
// the close button reject the window, which cancels the render; the window
// deletes itself once closed.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace ruvo::gui {

class ShowRunningWindow final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(ShowRunningWindow)

 public:
  explicit ShowRunningWindow(QWidget* owner);

  void setProgress(int note, int notes);
  void setElapsed(qint64 ms);
  void addOutput(const QString& line);

 private:
  QProgressBar* m_progress = nullptr;
  QLabel* m_elapsed = nullptr;
  QPlainTextEdit* m_output = nullptr;
  QPushButton* m_stop = nullptr;
};

}  // namespace ruvo::gui
