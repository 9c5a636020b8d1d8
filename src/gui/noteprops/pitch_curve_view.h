#pragma once
// The drawing of the pitch curve editor: the note's bands, its sound, the
// semitone lines and the points of a PitchCurveForm, with the mouse gestures
// on them (dragging a point, selecting a band). Positions come from the
// form in twips; this view only turns them into pixels.

#include <QWidget>

#include "noteprops/pitch_curve_form.h"

namespace ruvo::gui {

class PitchCurveView final : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(PitchCurveView)

 public:
  PitchCurveView(PitchCurveForm& form, QWidget* parent);

  // The form's drawing height in twips: this view and the button strip.
  double heightTwips() const;
  double widthTwips() const;
  // The point under a position (pixels), -1 when none.
  int pointAt(QPointF position) const;
  // Where point i's square stands, in pixels.
  QRectF pointRect(int i) const;

 signals:
  // Points changed value or selection.
  void changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void paintBands(QPainter& painter) const;
  void paintWave(QPainter& painter) const;
  void paintGrid(QPainter& painter) const;
  void paintTimes(QPainter& painter) const;
  void paintPoints(QPainter& painter) const;
  // Index range of the points that may be on the screen.
  std::pair<int, int> visiblePoints() const;

  PitchCurveForm& m_form;
  int m_dragged = -1;
  double m_pressY = 0;    // twips
  double m_pressTop = 0;  // twips
  bool m_banding = false;
  double m_lineA = 0;  // twips
  double m_lineB = 0;
};

}  // namespace ruvo::gui
