#pragma once
// A thin vertical line over the roll where the selection render is playing.
// It lies on top of the roll, takes no input and draws nothing else.

#include <QWidget>

namespace ruvo::gui {

class PlayMarkerView final : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(PlayMarkerView)

 public:
  explicit PlayMarkerView(QWidget* roll);

  // Shows the line at x (pixels of the roll), or hides it.
  void showAt(int x);
  int markerX() const { return m_x; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_x = -1;
};

}  // namespace ruvo::gui
