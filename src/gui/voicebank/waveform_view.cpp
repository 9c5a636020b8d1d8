#include "gui/voicebank/waveform_view.h"

#include <cmath>

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace ruvo::gui {
namespace {

constexpr double kTwips = 15.0;  // twips per pixel

int px(double twips) { return static_cast<int>(std::lround(twips / kTwips)); }

}  // namespace

WaveformView::WaveformView(SampleEditorModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
  setObjectName(QStringLiteral("picWaveform"));
  const char* names[] = {"Label1", "Label2", "Label3", "Label4"};
  const char* tips[] = {QT_TRANSLATE_NOOP("ruvo::gui::WaveformView", "オフセット"),
                        QT_TRANSLATE_NOOP("ruvo::gui::WaveformView", "子音部"),
                        QT_TRANSLATE_NOOP("ruvo::gui::WaveformView", "ブランク"),
                        QT_TRANSLATE_NOOP("ruvo::gui::WaveformView", "先行発声")};
  for (size_t i = 0; i < m_handles.size(); ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(names[i]));
    label->setToolTip(tr(tips[i]));
    label->setCursor(Qt::SizeHorCursor);
    // A faint tint so the handle can be found; the line it carries is drawn
    // by the plan (or is the region edge).
    label->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 128, 40);"));
    label->installEventFilter(this);
    m_handles[i] = label;
  }
  m_line = new QFrame(this);
  m_line->setObjectName(QStringLiteral("Line1"));
  m_line->setStyleSheet(QStringLiteral("background-color: black;"));
  m_line->hide();
}

WaveformPlan WaveformView::currentPlan() const {
  return m_model.plan(width() * kTwips, height() * kTwips, height() * kTwips / 2);
}

void WaveformView::redraw() {
  const WaveformPlan plan = currentPlan();
  const int handleWidth = px(SampleEditorModel::kHandleWidth);
  for (size_t i = 0; i < m_handles.size(); ++i) {
    const bool middle = i == static_cast<size_t>(SampleHandle::PreUtterance);
    const int top = middle ? height() / 4 : 0;
    m_handles[i]->setGeometry(px(plan.handleLefts[i]), top, handleWidth, middle ? height() / 2 : height());
  }
  update();
}

void WaveformView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  redraw();
}

void WaveformView::paintEvent(QPaintEvent*) {
  const WaveformPlan plan = currentPlan();
  QPainter painter(this);
  painter.scale(1.0 / kTwips, 1.0 / kTwips);
  const double h = height() * kTwips;
  for (const auto& r : plan.regions)
    painter.fillRect(QRectF(r.left, 0, r.right - r.left, h), QColor(r.red, r.green, r.blue));
  QPen wavePen(QColor(0, 128, 255));
  wavePen.setCosmetic(true);
  painter.setPen(wavePen);
  std::vector<QPointF> points;
  points.reserve(plan.wave.size());
  for (const auto& p : plan.wave) points.emplace_back(p.x, p.y);
  painter.drawPolyline(points.data(), static_cast<int>(points.size()));
  QPen red(Qt::red);
  red.setCosmetic(true);
  painter.setPen(red);
  painter.drawLine(QPointF(plan.preUtteranceX, h / 4), QPointF(plan.preUtteranceX, h * 3 / 4));
  painter.drawLine(QPointF(0, plan.centreY), QPointF(width() * kTwips, plan.centreY));
}

bool WaveformView::eventFilter(QObject* watched, QEvent* event) {
  size_t which = m_handles.size();
  for (size_t i = 0; i < m_handles.size(); ++i)
    if (watched == m_handles[i]) which = i;
  if (which == m_handles.size()) return QWidget::eventFilter(watched, event);
  QLabel* label = m_handles[which];
  const int inset = px(SampleEditorModel::kHandleInset);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      m_dragging = true;
      m_grabX = static_cast<int>(mouse->position().x());
      m_line->setGeometry(label->x() + inset, 0, 1, height());
      m_line->show();
      m_line->raise();
      return true;
    }
    case QEvent::MouseMove: {
      if (!m_dragging) break;
      auto* mouse = static_cast<QMouseEvent*>(event);
      label->move(label->x() + static_cast<int>(mouse->position().x()) - m_grabX, label->y());
      m_line->move(label->x() + inset, 0);
      return true;
    }
    case QEvent::MouseButtonRelease: {
      if (!m_dragging) break;
      auto* mouse = static_cast<QMouseEvent*>(event);
      m_dragging = false;
      m_line->hide();
      const double x = (label->x() + mouse->position().x()) * kTwips;
      m_model.drop(static_cast<SampleHandle>(which), x);
      redraw();
      emit valuesChanged();
      return true;
    }
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ruvo::gui
