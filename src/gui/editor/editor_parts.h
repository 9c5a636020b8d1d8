#pragma once
// The editor's composition: builds the services (the Qt prompts, file
// chooser, project dialogs and clipboard, the project session, the editing
// session, the audio output and media service), the main window over them,
// and each controller with exactly the parts it needs. main.cpp, the tests
// and the benchmarks make the editor through it. Members are destroyed in
// reverse: the controllers first, the services last.

#include <memory>
#include <optional>

#include "editor/edit_session.h"
#include "editor/project_session.h"
#include "media/media_service.h"
#include "media/sdl_audio/sdl_audio_output.h"
#include "settings/session_settings.h"

class QWidget;

namespace ruvo::gui {

class EditController;
class MainWindow;
class NotePropertyController;
class QtClipboard;
class QtFileChooser;
class QtProjectDialogs;
class QtPrompts;
class RenderController;
class RollMouseController;
class SettingsController;

class EditorParts {
 public:
  // Without `services` the editor asks through its own dialogs; tests pass
  // scripted ones.
  explicit EditorParts(SessionSettings& settings, std::optional<SessionServices> services = std::nullopt);
  ~EditorParts();
  EditorParts(const EditorParts&) = delete;
  EditorParts& operator=(const EditorParts&) = delete;

  MainWindow& window() { return *m_window; }
  // The main window as the program shows it, and the song it edits.
  QWidget& windowWidget();
  ProjectSession& session() { return *m_session; }
  EditController& editing() { return *m_editing; }
  MediaService& media() { return m_media; }

 private:
  std::unique_ptr<QtPrompts> m_ownPrompts;
  std::unique_ptr<QtFileChooser> m_ownFiles;
  std::unique_ptr<QtProjectDialogs> m_ownDialogs;
  std::unique_ptr<ProjectSession> m_session;
  std::unique_ptr<QtClipboard> m_clipboard;
  std::unique_ptr<EditSession> m_edits;
  SdlAudioOutput m_output;  // outlives the media service's streams
  MediaService m_media{m_output};
  std::unique_ptr<MainWindow> m_window;
  // Controllers that are no child of the window go before it.
  std::unique_ptr<EditController> m_editing;
  std::unique_ptr<SettingsController> m_settingsCommands;
};

}  // namespace ruvo::gui
