#pragma once
// The editor window every window test starts from: settings loaded from a
// temporary program folder of its own, message boxes and file choosers
// answered from scripts, the real project dialogs. The window is not shown;
// each test fixture sizes and shows it as it needs.

#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QString>

#include "gui/editor/editor_parts.h"
#include "gui/editor/main_window.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/qt_project_dialogs.h"
#include "settings/app_folders.h"
#include "settings/session_settings.h"
#include "support/temp_folder.h"
#include "../../editor/scripted_services.h"

namespace ruvo::testing {

// The settings a fresh program folder loads.
inline SessionSettings freshSettings(const TempFolder& programFolder) {
  const std::string folder = programFolder.path();
  return *loadSessionSettings(resolveAppFolders(folder, FolderEnvironment{folder, "", "", "", ""}));
}

class WindowFixture {
 protected:
  explicit WindowFixture(const char* folderName,
                         const std::function<SessionSettings(const TempFolder&)>& settings = freshSettings)
      : m_dir(folderName),
        m_settings(settings(m_dir)),
        m_dialogs(nullptr, m_prompts, m_files, m_settings),
        m_editor(m_settings, SessionServices{m_prompts, m_files, m_dialogs}),
        m_window(m_editor.window()) {}

  Song& song() { return m_window.session().song(); }
  QAction* action(const char* name) { return m_window.menus().action(QString::fromUtf8(name)); }

  // Replaces the song's notes, selects nothing and redraws the roll.
  void loadSong(const std::vector<Note>& notes) {
    song().notes = notes;
    song().noteCount = static_cast<int>(notes.size());
    song().selFirst = song().selLast = song().noteCount;
    m_window.roll()->redraw();
  }

  TempFolder m_dir;
  ScriptedPrompts m_prompts;
  ScriptedFileChooser m_files;
  SessionSettings m_settings;
  gui::QtProjectDialogs m_dialogs;
  gui::EditorParts m_editor;
  gui::MainWindow& m_window;
};

}  // namespace ruvo::testing
