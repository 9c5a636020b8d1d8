#include "gui/editor/roll_mouse_controller.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>

#include "editor/rest_drawing.h"

#include "gui/editor/editor_view.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/common/twips.h"
#include "gui/common/qt_text.h"

namespace ruvo::gui {

namespace {

constexpr int kStatusMessageMs = 8000;

GestureKeys keysOf(Qt::KeyboardModifiers modifiers) {
  return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
          modifiers.testFlag(Qt::AltModifier)};
}

QPoint twipsOf(const QMouseEvent* event) {
  return {qRound(event->position().x() * kTwipsPerPixel), qRound(event->position().y() * kTwipsPerPixel)};
}

QWidget* markerLine(QWidget* roll, const char* name) {
  auto* line = new QWidget(roll);
  line->setObjectName(QString::fromUtf8(name));
  line->setAttribute(Qt::WA_TransparentForMouseEvents);
  line->setAutoFillBackground(true);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, QColor(255, 0, 0));
  line->setPalette(palette);
  line->hide();
  return line;
}

}  // namespace

RollMouseController::RollMouseController(EditorView& view, ProjectSession& session, EditSession& edits)
    : QObject(view.widget()), m_view(view), m_session(session), m_edits(edits) {
  setObjectName(QStringLiteral("RollMouseController"));
  PianoRollView* roll = view.roll();
  roll->setMouseTracking(true);
  roll->installEventFilter(this);
  m_line1 = markerLine(roll, "Line1");
  m_line2 = markerLine(roll, "Line2");
}

bool RollMouseController::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_view.roll()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      press(static_cast<QMouseEvent*>(event), false);
      return true;
    case QEvent::MouseButtonDblClick:
      press(static_cast<QMouseEvent*>(event), true);
      return true;
    case QEvent::MouseMove:
      move(static_cast<QMouseEvent*>(event));
      return true;
    case QEvent::MouseButtonRelease:
      release(static_cast<QMouseEvent*>(event));
      return true;
    default:
      return false;
  }
}

void RollMouseController::press(QMouseEvent* event, bool doubleClick) {
  const QPoint at = twipsOf(event);
  const Song& song = m_session.song();
  // A further button goes where the first one went, as its release will.
  const bool first = (event->buttons() & ~event->button()) == Qt::NoButton;
  const int index =
      first ? labelAtPoint(m_view.roll()->layout(), song.noteCount, at.x(), at.y()) : m_pressedLabel;
  m_pressedLabel = index;
  if (index < 0 && doubleClick && event->button() == Qt::LeftButton) {
    drawNote(at);
  } else if (index < 0) {
    rollPress(event->button(), at);
  } else if (doubleClick && event->button() == Qt::LeftButton) {
    m_edits.selectForLyric(index);
    m_view.roll()->layoutLabels();
    emit lyricBoxRequested(index);
  } else {
    labelPress(index, event->button(), at, keysOf(event->modifiers()));
  }
}

void RollMouseController::move(QMouseEvent* event) {
  const QPoint at = twipsOf(event);
  if (event->buttons() == Qt::NoButton && !m_band) {
    hover(at);
  } else if (m_pressedLabel >= 0) {
    if (m_drag.active() && m_drag.move(at.x(), at.y(), m_view.roll()->view().zoom))
      m_view.roll()->moveLabel(m_drag.index(), m_drag.top(), m_drag.width());
  } else if (m_band) {
    m_line2X = at.x();
    placeLine(m_line2, m_line2X);
    sweep();
  }
}

void RollMouseController::release(QMouseEvent* event) {
  const QPoint at = twipsOf(event);
  if (m_pressedLabel >= 0)
    labelRelease(m_pressedLabel, event->button(), at, keysOf(event->modifiers()));
  else
    rollRelease(event->button(), at);
  if (event->buttons() == Qt::NoButton) m_pressedLabel = -1;
}

void RollMouseController::labelPress(int index, Qt::MouseButton button, QPoint at, GestureKeys keys) {
  PianoRollView* roll = m_view.roll();
  const Song& song = m_session.song();
  if (index >= song.noteCount || static_cast<size_t>(index) >= roll->layout().labels.size()) return;
  roll->setFocus(Qt::MouseFocusReason);
  if (button == Qt::LeftButton) {
    m_edits.pressLabel(index, keys);
    if (!keys.any()) showTempoAt(index);
    roll->layoutLabels();
    m_drag.begin(index, roll->layout().labels[static_cast<size_t>(index)], at.x(), at.y());
  } else if (button == Qt::RightButton && m_edits.rightPressLabel(index)) {
    showTempoAt(index);
    roll->layoutLabels();
  }
}

void RollMouseController::labelRelease(int index, Qt::MouseButton button, QPoint at, GestureKeys keys) {
  PianoRollView* roll = m_view.roll();
  if (button == Qt::LeftButton && m_drag.active()) {
    const LabelRelease dropped{m_drag.index(), m_drag.top(), m_drag.width(), m_view.quantizeUnit(), keys};
    if (m_drag.widthDrag() && lengtheningRefused(m_session.song(), roll->view(), dropped))
      m_view.showStatus(
          QCoreApplication::translate("RollMouseController",
                                      "次のノートが歌われているので長くできません。"
                                      "Ctrlを押しながらドラッグすると次のノートを短くします。"),
          kStatusMessageMs);
    m_drag.end();
    m_edits.releaseLabel(roll->view(), dropped);
    showTempoAt(dropped.index);
    roll->layoutLabels();
  } else if (button == Qt::RightButton && !m_drag.active()) {
    m_propertyTarget = index;
    m_view.menus().notePopup->popup(
        roll->mapToGlobal(QPoint(qRound(toPixels(at.x())), qRound(toPixels(at.y())))));
  }
}

void RollMouseController::rollPress(Qt::MouseButton button, QPoint at) {
  PianoRollView* roll = m_view.roll();
  // The keyboard strip is no roll space: a press there sweeps no band.
  if (at.y() > roll->view().rowHeight && at.x() >= kKeyboardWidth && button == Qt::LeftButton) {
    m_band = true;
    m_line1X = at.x();
    m_line2X = at.x() + 1;
    placeLine(m_line1, m_line1X);
    placeLine(m_line2, m_line2X);
    m_line1->show();
    m_line2->show();
    sweep();
  }
  roll->layoutLabels();
}

void RollMouseController::drawNote(QPoint at) {
  PianoRollView* roll = m_view.roll();
  roll->setFocus(Qt::MouseFocusReason);
  const int index = m_edits.drawNote(roll->view(), {at.x(), at.y(), m_view.quantizeUnit(), m_view.lyricLength()});
  if (index >= 0) emit lyricBoxRequested(index);
}

void RollMouseController::rollRelease(Qt::MouseButton button, QPoint at) {
  PianoRollView* roll = m_view.roll();
  if (m_band) {
    m_line1->hide();
    m_line2->hide();
    m_band = false;
  } else if (button == Qt::RightButton && at.y() > roll->view().rowHeight) {
    m_view.menus().rollPopup->popup(
        roll->mapToGlobal(QPoint(qRound(toPixels(at.x())), qRound(toPixels(at.y())))));
  }
}

void RollMouseController::hover(QPoint at) {
  PianoRollView* roll = m_view.roll();
  const int index = labelAtPoint(roll->layout(), m_session.song().noteCount, at.x(), at.y());
  bool edge = false;
  if (index >= 0) {
    const NoteLabel& label = roll->layout().labels[static_cast<size_t>(index)];
    edge = inEdgeZone(label.width, at.x() - label.left);
  }
  if (edge == m_edgeCursor) return;
  m_edgeCursor = edge;
  if (edge)
    roll->setCursor(Qt::SizeHorCursor);
  else
    roll->unsetCursor();
}

void RollMouseController::sweep() {
  PianoRollView* roll = m_view.roll();
  const double seconds =
      m_edits.sweepBand(roll->layout(), roll->view(), roll->rollSize().width, m_line1X, m_line2X);
  if (auto* panel = m_view.widget()->findChild<QLabel*>(QStringLiteral("Panel2")))
    panel->setText(qs(secondsText(seconds)));
  roll->update();
}

void RollMouseController::placeLine(QWidget* line, int x) {
  PianoRollView* roll = m_view.roll();
  const int top = qRound(toPixels(roll->view().rowHeight));
  line->setGeometry(qRound(toPixels(x)), top, 1, std::max(0, roll->height() - top));
}

void RollMouseController::showTempoAt(int index) {
  const auto& labels = m_view.roll()->layout().labels;
  if (index < 0 || static_cast<size_t>(index) >= labels.size()) return;
  const float tempo = tempoOfBox(labels[static_cast<size_t>(index)].tag);
  // The same tempo written in another form would only mark the song changed.
  const bool same = tempoOfBox(utf8(m_view.topBar().tempo->text())) == tempo;
  m_view.showTempo(same ? 0 : tempo);
}

}  // namespace ruvo::gui
