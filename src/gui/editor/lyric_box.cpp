#include "gui/editor/lyric_box.h"

#include <algorithm>

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>

namespace ruvo::gui {

LyricBox::LyricBox(QWidget* roll, Leave leave, QObject* owner)
    : QObject(owner), m_box(new QLineEdit(roll)), m_leave(std::move(leave)) {
  m_box->setObjectName(QStringLiteral("Text1"));
  m_box->hide();
  m_box->installEventFilter(this);
}

void LyricBox::open(const QRect& label, const QString& text) {
  // Wide enough for a few characters even over the label of a short note.
  const QFontMetrics metrics(m_box->font());
  const int width = std::max(label.width(), metrics.horizontalAdvance(QStringLiteral("あいうえ")) + 8);
  const int height = std::max(label.height(), m_box->sizeHint().height());
  m_box->setGeometry(label.left(), label.top(), width, height);
  m_box->setText(text);
  m_open = true;
  m_box->show();
  m_box->raise();
  m_box->setFocus(Qt::OtherFocusReason);
}

void LyricBox::close() {
  if (m_open) leave(LyricBoxExit::FocusLost);
}

void LyricBox::discard() {
  m_open = false;
  m_box->hide();
}

void LyricBox::leave(LyricBoxExit exit) {
  // Hiding moves the focus away: the flag keeps that from leaving twice.
  m_open = false;
  const QString text = m_box->text();
  m_box->hide();
  m_leave(text, exit);
}

bool LyricBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_box || !m_open) return false;
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      leave(LyricBoxExit::Enter);
      return true;
    }
  } else if (event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      leave(LyricBoxExit::FocusLost);
  }
  return false;
}

}  // namespace ruvo::gui
