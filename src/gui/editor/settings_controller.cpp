#include "gui/editor/settings_controller.h"

#include <QAction>

#include "editor/window_title.h"
#include "gui/editor/editor_view.h"
#include "gui/settings/options_dialog.h"
#include "settings/own_settings.h"

namespace ruvo::gui {

SettingsController::SettingsController(EditorView& view, ProjectSession& session, EditSession& edits)
    : QObject(nullptr), m_view(view), m_session(session), m_edits(edits) {
  const std::pair<const char*, void (SettingsController::*)()> commands[] = {
      {"mnOptions", &SettingsController::editOptions},
      {"mnProjSetting", &SettingsController::editProjectProperties},
  };
  for (auto [name, command] : commands) {
    QAction* action = view.menus().action(QString::fromUtf8(name));
    connect(action, &QAction::triggered, this, command);
    action->setEnabled(true);
  }
}

void SettingsController::editOptions() {
  ProjectSession& session = m_session;
  Settings& settings = session.settings();
  std::vector<EnteredTool> tools{{settings.Tool1Path, ""}, {settings.Tool2Path, ""}};
  // ruvo's own settings are read afresh and written at once on OK: a file
  // that cannot be read is shown as defaults, and OK replaces it.
  const std::string ownFile = OwnSettings::fileBeside(session.folders().settingsFile);
  OwnSettings own = OwnSettings::load(ownFile).value_or(OwnSettings());
  if (!OptionsDialog::showDialog(m_view.widget(), settings, own, session.folders().programFolder,
                                 m_session.services().prompts, m_session.services().files))
    return;
  if (auto saved = own.save(ownFile); !saved)
    m_session.services().prompts.message(saved.error().message, applicationTitle(settings), MessageIcon::Warning);
  tools[0].after = settings.Tool1Path;
  tools[1].after = settings.Tool2Path;
  session.trustEnteredTools(tools);
}

void SettingsController::editProjectProperties() { m_session.editProperties(); }

}  // namespace ruvo::gui
