#pragma once
// The main window Form1: menu bar, top bar, the roll with its scroll bars,
// the status bar. It owns the one open project (editor/project_session) and
// hands menu commands to it and to the view commands; the controllers
// (editing, roll interaction, rendering and playback, note properties,
// settings, voice-bank tools) hook in through session(), roll(), menus() and
// the signals of the roll.

#include <functional>
#include <memory>
#include <optional>

#include <QMainWindow>
#include <QPointer>

#include "editor/edit_result.h"
#include "editor/edit_session.h"
#include "editor/project_session.h"
#include "gui/editor/main_menus.h"
#include "gui/editor/top_bar.h"

class QLabel;
class QScrollBar;

namespace ruvo {
class MediaService;
}

namespace ruvo::gui {

class EditController;
class PianoRollView;
class SettingsController;
class SoundListWindow;

class MainWindow final : public QMainWindow {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(MainWindow)

 public:
  // Starts up over loaded settings. Without `services` the window asks the
  // user through its own dialogs; tests pass scripted ones.
  explicit MainWindow(SessionSettings& settings, std::optional<SessionServices> services = std::nullopt);
  ~MainWindow() override;

  ProjectSession& session() { return *m_session; }
  // The prompts and file chooser the window asks through.
  const SessionServices& services() const { return *m_services; }
  // The editing commands' wiring, with the inline lyric box.
  EditController& editing() { return *m_editing; }
  // The editing commands and the undo journal of the open song.
  EditSession& edits() { return *m_edits; }
  // Runs a command so that an unexpected failure is shown in a message box
  // titled "予期せぬエラー" instead of ending the program; with the DebugMode
  // setting on, failures are not caught.
  void runCommand(const std::function<void()>& command);
  // After any editing command (menus, roll gestures, dialogs): redraws what
  // it changed, refreshes the title and the undo item.
  void applyEdit(const EditResult& result);
  PianoRollView* roll() const { return m_roll; }
  const MainMenus& menus() const { return m_menus; }
  const TopBar& topBar() const { return m_topBar; }
  // Ticks of the quantize unit and of the lyric-entry default length.
  int quantizeUnit() const;
  int lyricLength() const { return m_lyricLength; }

  // Writes a tempo other than 0 into the tempo box (shortest form), or
  // reads the box when it is 0; then shows the beat length in panel 1.
  void showTempo(float tempo);
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
  std::unique_ptr<Prompts> m_ownPrompts;
  std::unique_ptr<FileChooser> m_ownFiles;
  std::unique_ptr<ProjectDialogs> m_ownDialogs;
  std::unique_ptr<ProjectSession> m_session;
  std::unique_ptr<Clipboard> m_clipboard;
  std::unique_ptr<EditSession> m_edits;
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
  std::optional<SessionServices> m_services;
  QPointer<SoundListWindow> m_soundList;
  // Last, so that they go first: their filters and connections end before
  // the window's parts do.
  std::unique_ptr<EditController> m_editing;
  std::unique_ptr<SettingsController> m_settingsCommands;
};

}  // namespace ruvo::gui
