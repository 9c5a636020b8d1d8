#pragma once
// The mouse on the roll picture: presses, drags and releases on note labels
// (selection, key and length through editor/roll_gestures), the band swept
// across empty roll space with its two red marker lines (Line1, Line2), the
// resize pointer over a label's right edge, notes drawn into rests by a
// double-click, and the two popup menus. Owned by the main window; it
// filters the events of its roll.

#include <QObject>
#include <QPoint>

#include "editor/edit_session.h"
#include "editor/project_session.h"
#include "editor/roll_gestures.h"

class QMouseEvent;
class QWidget;

namespace ruvo::gui {

class EditorView;

class RollMouseController final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(RollMouseController)

 public:
  RollMouseController(EditorView& view, ProjectSession& session, EditSession& edits);

  // The note last right-clicked: the note popup's property item acts on it.
  int propertyTarget() const { return m_propertyTarget; }  // -1 before any right press on a label

 signals:
  // A label was double-clicked: the inline lyric box opens over it.
  void lyricBoxRequested(int noteIndex);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void press(QMouseEvent* event, bool doubleClick);
  void move(QMouseEvent* event);
  void release(QMouseEvent* event);

  void labelPress(int index, Qt::MouseButton button, QPoint at, GestureKeys keys);
  void labelRelease(int index, Qt::MouseButton button, QPoint at, GestureKeys keys);
  void rollPress(Qt::MouseButton button, QPoint at);
  void rollRelease(Qt::MouseButton button, QPoint at);
  // A double-click on empty roll space draws a note into the rest there.
  void drawNote(QPoint at);
  void hover(QPoint at);
  // Band select between the marker lines; the covered time in panel 2.
  void sweep();
  void placeLine(QWidget* line, int x);
  // The tempo box shows the tempo at the note (its label's Tag).
  void showTempoAt(int index);

  EditorView& m_view;
  ProjectSession& m_session;
  EditSession& m_edits;
  QWidget* m_line1 = nullptr;
  QWidget* m_line2 = nullptr;
  LabelDrag m_drag;
  int m_pressedLabel = -1;  // the label that took the press; -1: the roll
  bool m_band = false;
  int m_line1X = 0, m_line2X = 0;  // twips
  int m_propertyTarget = -1;
  bool m_edgeCursor = false;
};

}  // namespace ruvo::gui
