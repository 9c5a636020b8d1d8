#pragma once
// The inline lyric box Text1: a one-line box laid over a note's label on the
// roll. Enter leaves it with the lyric going through the alias table; losing
// the focus to another control of the window leaves it with the text stored
// as typed. Switching to another window or opening a popup menu does not
// leave it. Either way it hides first and then reports its text once.

#include <functional>

#include <QObject>
#include <QRect>

#include "editor/edit_session.h"

class QLineEdit;
class QWidget;

namespace ruvo::gui {

class LyricBox final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(LyricBox)

 public:
  using Leave = std::function<void(const QString& text, LyricBoxExit exit)>;
  // Makes the hidden box Text1 on `roll`; `leave` hears how it was left.
  // The box stops reporting when `owner` goes.
  LyricBox(QWidget* roll, Leave leave, QObject* owner);

  QLineEdit* box() const { return m_box; }
  bool isOpen() const { return m_open; }
  // Shows `text` in the box over `label` (pixels on the roll), focused.
  void open(const QRect& label, const QString& text);
  // Leaves an open box as losing the focus does.
  void close();
  // Hides an open box without reporting: its note is gone (the song was
  // replaced), so its text must not land on whatever note now has that index.
  void discard();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void leave(LyricBoxExit exit);

  QLineEdit* m_box;
  Leave m_leave;
  bool m_open = false;
};

}  // namespace ruvo::gui
