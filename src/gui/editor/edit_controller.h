#pragma once
// The editing commands of the window: the Edit menu and the editing items
// of both popup menus, the lyric line Text2 with its buttons and its
// multi-line window, and the inline lyric box Text1. Each command goes to
// the EditSession, whose change signal redraws the window.
//
// The text-box rule: while Text1, Text2 or the tempo box has the focus, cut,
// copy, paste and select-all (keys and menu items) act on that box's text,
// not on the notes. Ctrl+Z always undoes the last edit of the song.

#include <functional>

#include <QObject>

#include "editor/edit_session.h"
#include "editor/project_session.h"
#include "editor/edit_result.h"

class QLineEdit;

namespace ruvo::gui {

class LyricBox;
class EditorView;

class EditController final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(EditController)

 public:
  EditController(EditorView& view, ProjectSession& session, EditSession& edits);
  ~EditController() override;

  // Lays the lyric box over the label of note `index` with its lyric,
  // focused, and makes the note the start of the selection. Out-of-range
  // indices are ignored.
  void openLyricBox(int index);
  // An open lyric box is left as when it loses the focus: its text becomes
  // the lyric of the note at the start of the selection.
  void closeLyricBox();
  // Drops an open box's text without storing it (the song was replaced).
  void discardLyricBox();
  bool lyricBoxOpen() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectCommands();
  // Runs an editing command and applies what it changed. An unexpected
  // failure is shown (unless DebugMode is on) and the whole song redrawn.
  void run(const std::function<EditResult()>& command);
  // The text box that has the focus, when it is one of the three.
  QLineEdit* focusedTextBox() const;
  void editLyricLine();

  EditorView& m_view;
  ProjectSession& m_session;
  EditSession& m_edits;
  LyricBox* m_lyricBox;
};

}  // namespace ruvo::gui
