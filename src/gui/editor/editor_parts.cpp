#include "gui/editor/editor_parts.h"

#include <QAction>

#include "gui/common/qt_clipboard.h"
#include "gui/common/qt_file_chooser.h"
#include "gui/common/qt_prompts.h"
#include "gui/editor/edit_controller.h"
#include "gui/editor/main_window.h"
#include "gui/editor/note_property_controller.h"
#include "gui/editor/qt_project_dialogs.h"
#include "gui/editor/render_controller.h"
#include "gui/editor/roll_mouse_controller.h"
#include "gui/editor/settings_controller.h"
#include "gui/editor/voice_bank_commands.h"

namespace ruvo::gui {

EditorParts::EditorParts(SessionSettings& settings, std::optional<SessionServices> services) {
  if (!services) {
    // Their dialogs are owned by the window once it exists.
    m_ownPrompts = std::make_unique<QtPrompts>(nullptr);
    m_ownFiles = std::make_unique<QtFileChooser>(nullptr);
    m_ownDialogs = std::make_unique<QtProjectDialogs>(nullptr, *m_ownPrompts, *m_ownFiles, settings);
    services.emplace(SessionServices{*m_ownPrompts, *m_ownFiles, *m_ownDialogs});
  }
  m_session = std::make_unique<ProjectSession>(settings, *services);
  m_clipboard = std::make_unique<QtClipboard>();
  m_edits = std::make_unique<EditSession>(m_session->song(), m_session->tables().oto, services->prompts, *m_clipboard);
  // Heard before the window redraws: a replaced song starts with an empty journal.
  m_session->addListener([this](SessionChange change) {
    if (change != SessionChange::SongReplaced) return;
    if (m_editing) m_editing->discardLyricBox();
    m_edits->songReplaced();
  });
  m_window = std::make_unique<MainWindow>(settings, *m_session, *m_edits);
  MainWindow& window = *m_window;
  if (m_ownPrompts) {
    m_ownPrompts->setOwner(&window);
    m_ownFiles->setOwner(&window);
    m_ownDialogs->setOwner(&window);
  }

  m_editing = std::make_unique<EditController>(window, *m_session, *m_edits);
  m_settingsCommands = std::make_unique<SettingsController>(window, *m_session, *m_edits);
  auto* mouse = new RollMouseController(window, *m_session, *m_edits);
  QObject::connect(mouse, &RollMouseController::lyricBoxRequested, &window,
                   [this](int noteIndex) { m_editing->openLyricBox(noteIndex); });
  new NotePropertyController(window, *m_session, *m_edits, [mouse] { return mouse->propertyTarget(); });
  new RenderController(window, *m_session, *m_edits, m_media);
  for (const char* name : {"mnInsertFrom", "mnWordList"}) {
    QAction* item = window.menus().action(QString::fromUtf8(name));
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, &window, [this] { m_window->showSoundList(m_media); });
  }
  connectVoiceBankCommands(window, *m_session, m_media);
}

EditorParts::~EditorParts() = default;

QWidget& EditorParts::windowWidget() { return *m_window; }

}  // namespace ruvo::gui
