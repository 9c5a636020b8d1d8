#include "gui/editor/piano_roll_view.h"

#include <algorithm>

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "editor/roll_background.h"
#include "gui/common/twips.h"
#include "gui/common/qt_text.h"

namespace ruvo::gui {

namespace {

// A Japanese monospace font of the system.
const QString kLabelFamily = QStringLiteral("Noto Sans Mono CJK JP");

QRectF boxOf(int x1, int y1, int x2, int y2) {
  return QRectF(QPointF(toPixels(x1), toPixels(y1)), QPointF(toPixels(x2), toPixels(y2))).normalized();
}

}  // namespace

PianoRollView::PianoRollView(const Song& song, const Settings& settings, QWidget* parent)
    : QWidget(parent), m_song(song), m_settings(settings) {
  setObjectName(QStringLiteral("Picture2"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
}

RollSize PianoRollView::rollSize() const { return {toTwips(width()), toTwips(height())}; }

QColor PianoRollView::colour(Colour which) const { return settingsColour(m_settings.colour(which)); }

QFont PianoRollView::labelFont() const {
  QFont font(kLabelFamily);
  font.setPointSize(m_layout.fontSize);
  return font;
}

void PianoRollView::drawBackground() {
  if (width() <= 0 || height() <= 0) {
    m_background = QImage();
    return;
  }
  const qreal ratio = devicePixelRatioF();
  m_background = QImage(size() * ratio, QImage::Format_RGB32);
  m_background.setDevicePixelRatio(ratio);
  m_background.fill(colour(Colour::Back));
  QPainter painter(&m_background);
  QFont font(kLabelFamily);
  font.setPointSize(9);
  painter.setFont(font);
  for (const RollStep& step : rollBackground(m_view, rollSize())) {
    QColor c = colour(step.colour);
    switch (step.kind) {
      case RollStep::Kind::Box:
        painter.fillRect(boxOf(step.x1, step.y1, step.x2, step.y2), c);
        break;
      case RollStep::Kind::Line:
        painter.setPen(QPen(c, 0));
        painter.drawLine(QPointF(toPixels(step.x1), toPixels(step.y1)), QPointF(toPixels(step.x2), toPixels(step.y2)));
        break;
      case RollStep::Kind::Text:
        painter.setPen(c);
        painter.drawText(QPointF(toPixels(step.x1), toPixels(step.y1) + painter.fontMetrics().ascent()),
                         qs(step.text));
        break;
    }
  }
}

void PianoRollView::redraw() {
  drawBackground();
  layoutLabels();
}

void PianoRollView::relayout() {
  ruvo::layoutLabels(m_song, m_view, rollSize(), m_layout);
  m_laidOutCount = m_song.noteCount;
}

void PianoRollView::layoutLabels() {
  relayout();
  update();
  emit laidOut();
}

void PianoRollView::redrawNotes(const NoteSpan& changed) {
  const LabelLayout before = m_layout;
  const int countBefore = m_laidOutCount;
  relayout();
  QRegion area;
  for (const TwipBox& box : repaintedBoxes(before, countBefore, m_layout, m_laidOutCount, changed, m_view.rowHeight,
                                           toTwips(width())))
    area += twipRect(box.left, box.top, box.width, box.height).adjusted(-1, -1, 1, 1);
  update(area);
  emit laidOut();
}

void PianoRollView::clearLabels() { ruvo::clearLabels(m_layout); }

void PianoRollView::moveLabel(int index, int top, int width) {
  if (index < 0 || static_cast<size_t>(index) >= m_layout.labels.size()) return;
  NoteLabel& label = m_layout.labels[static_cast<size_t>(index)];
  const QRect before = twipRect(label.left, label.top, label.width, label.height);
  label.top = top;
  label.width = width;
  update(before.united(twipRect(label.left, label.top, label.width, label.height)).adjusted(-1, -1, 1, 1));
}

LabelInfo PianoRollView::labelAt(int index) const {
  LabelInfo info;
  if (index < 0 || static_cast<size_t>(index) >= m_layout.labels.size()) return info;
  const NoteLabel& label = m_layout.labels[static_cast<size_t>(index)];
  info.visible = label.visible;
  info.geometry = twipRect(label.left, label.top, label.width, label.height);
  info.background = colour(label.background);
  info.caption = index < m_song.noteCount ? qs(m_song[index].lyric) : QString();
  info.tag = qs(label.tag);
  return info;
}

void PianoRollView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (m_background.isNull() || m_background.deviceIndependentSize().toSize() != size()) drawBackground();
  if (m_background.isNull()) return;
  const QRect visibleArea = event->rect();
  painter.drawImage(visibleArea, m_background, QRectF(visibleArea.topLeft() * m_background.devicePixelRatio(),
                                                     visibleArea.size() * m_background.devicePixelRatio()));
  const int h = m_view.rowHeight;
  // Labels and marks of notes scrolled past the roll's left edge stay off
  // the keyboard strip.
  const int keys = qRound(toPixels(kKeyboardWidth));
  painter.setClipRect(QRect(keys, 0, std::max(0, width() - keys), height()));
  // The tempo-mark band at the foot of the ruler, then the marks.
  painter.fillRect(boxOf(0, h - 45, toTwips(width()), h - 15), colour(Colour::Back));
  for (int x : m_layout.tempoMarks) painter.fillRect(boxOf(x, h - 45, x + 30, h - 15), QColor(255, 0, 0));
  painter.setFont(labelFont());
  const size_t count = std::min(m_layout.labels.size(), static_cast<size_t>(std::max(m_song.noteCount, 0)));
  for (size_t i = 0; i < count; ++i) {
    const NoteLabel& label = m_layout.labels[i];
    if (!label.visible) continue;
    QRect box = twipRect(label.left, label.top, label.width, label.height);
    if (!box.intersects(visibleArea)) continue;
    painter.fillRect(box, colour(label.background));
    painter.setPen(colour(Colour::Shadow));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    // A label cut by the keyboard shows its lyric from the roll's edge on.
    const QRect text = box.adjusted(std::max(2, keys + 2 - box.left()), 0, 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, qs(m_song[static_cast<int>(i)].lyric));
  }
}

}  // namespace ruvo::gui
