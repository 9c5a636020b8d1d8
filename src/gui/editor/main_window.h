#pragma once
// The main window Form1: menu bar, top bar, the roll with its scroll bars,
// the status bar. It lays these out, runs the view commands (zoom, scrolling,
// row height, the tempo box, the file menu over the project session) and
// redraws from the session's changes; the controllers (editing, roll
// interaction, rendering and playback, note properties, settings, voice-bank
// tools) are wired to it by the editor's composition (editor_parts) and see
// it as an EditorView.

#include <functional>

#include <QMainWindow>
#include <QPointer>

#include "editor/edit_result.h"
#include "editor/edit_session.h"
#include "editor/project_session.h"
#include "gui/editor/editor_view.h"
#include "gui/editor/main_menus.h"
#include "gui/editor/top_bar.h"

class QLabel;
class QScrollBar;

namespace ruvo {
class MediaService;
}

namespace ruvo::gui {

class PianoRollView;
class SoundListWindow;

class MainWindow final : public QMainWindow, public EditorView {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(MainWindow)

 public:
  // Lays out the window over the open project and its edits and shows the
  // cleared song.
  MainWindow(SessionSettings& settings, ProjectSession& session, EditSession& edits);
  ~MainWindow() override;

  ProjectSession& session() { return m_session; }
  // The prompts and file chooser the window asks through.
  const SessionServices& services() { return m_session.services(); }
  // The editing commands and the undo journal of the open song.
  EditSession& edits() { return m_edits; }
  // Runs a command so that an unexpected failure is shown in a message box
  // titled "予期せぬエラー" instead of ending the program; with the DebugMode
  // setting on, failures are not caught.
  void runCommand(const std::function<void()>& command);

  // EditorView
  QWidget* widget() override { return this; }
  PianoRollView* roll() const override { return m_roll; }
  const MainMenus& menus() const override { return m_menus; }
  const TopBar& topBar() const override { return m_topBar; }
  int quantizeUnit() const override;
  int lyricLength() const override { return m_lyricLength; }
  // Hears the edits: redraws what changed, refreshes the title and the undo
  // and redo items.
  void applyEdit(const EditResult& result);
  void showStatus(const QString& text, int timeoutMs) override;

  // Writes a tempo other than 0 into the tempo box (shortest form), or
  // reads the box when it is 0; then shows the beat length in panel 1.
  void showTempo(float tempo) override;
  // Zoom and row-height commands.
  void zoomIn();
  void zoomOut();
  // Zooms one step in (steps > 0) or out, keeping the beat under the roll's
  // pixel x where it is, as far as whole-beat scrolling allows.
  void zoomAbout(int steps, int x);
  void setRowHeight(int twips);
  void goToTop();
  void goToEnd();
  // The sound list over the voice folder, opened or brought to the front.
  void showSoundList(MediaService& media);

 protected:
  void closeEvent(QCloseEvent* event) override;
  // The wheel over the roll: up and down scroll the rows, Shift (or a
  // sideways wheel) scrolls the beats, Ctrl zooms about the pointer.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void connectCommands();
  void onSessionChange(SessionChange change);
  void layoutRoll();
  void redraw();
  void syncTempoBox();
  // A song read anew opens scrolled to its first notes.
  void showOpeningNotes();
  void onTempoEdited(const QString& text);
  // The tempo box was left or confirmed: a tempo the song cannot play is
  // named in a message and the box gets its last playable tempo back.
  void onTempoConfirmed();
  void updateZoomControls();
  void showReadme();
  void showAbout();
  void refreshUndoItem();

  SessionSettings& m_settings;
  ProjectSession& m_session;
  EditSession& m_edits;
  MainMenus m_menus;
  TopBar m_topBar;
  PianoRollView* m_roll = nullptr;
  QScrollBar* m_hScroll = nullptr;
  QScrollBar* m_vScroll = nullptr;
  QLabel* m_panel1 = nullptr;
  QLabel* m_panel2 = nullptr;
  int m_lyricLength = 1920;
  bool m_inTempoChange = false;
  std::string m_playableTempo{kDefaultTempoText};  // the tempo box's last playable text
  QPointer<SoundListWindow> m_soundList;
};

}  // namespace ruvo::gui
