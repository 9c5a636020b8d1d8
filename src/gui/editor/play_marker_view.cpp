#include "gui/editor/play_marker_view.h"

#include <QEvent>
#include <QPainter>

namespace ruvo::gui {

PlayMarkerView::PlayMarkerView(QWidget* roll) : QWidget(roll) {
  setObjectName(QStringLiteral("playMarker"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(roll->rect());
  roll->installEventFilter(this);
  hide();
}

void PlayMarkerView::showAt(int x) {
  if (x == m_x && isVisible() == (x >= 0)) return;
  m_x = x;
  setVisible(x >= 0);
  update();
}

bool PlayMarkerView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return QWidget::eventFilter(watched, event);
}

void PlayMarkerView::paintEvent(QPaintEvent*) {
  if (m_x < 0) return;
  QPainter painter(this);
  painter.setPen(QPen(QColor(0, 160, 0), 2));
  painter.drawLine(m_x, 0, m_x, height());
}

}  // namespace ruvo::gui
