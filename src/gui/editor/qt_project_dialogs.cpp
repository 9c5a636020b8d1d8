#include "gui/editor/qt_project_dialogs.h"

#include "gui/editor/select_track_dialog.h"
#include "gui/settings/project_properties_dialog.h"

namespace ruvo::gui {

std::optional<ProjectProperties> QtProjectDialogs::editProject(const ProjectProperties& properties) {
  ProjectProperties edited = properties;
  if (!ProjectPropertiesDialog::showDialog(m_owner, edited, m_settings.settings, m_settings.folders.tempDir, m_prompts,
                                           m_files))
    return std::nullopt;
  return edited;
}

int QtProjectDialogs::selectTrack(const std::vector<std::string>& trackList, const std::vector<int>& sungNotes) {
  SelectTrackDialog dialog(trackList, sungNotes, m_owner);
  dialog.exec();
  return dialog.chosenTrack();
}

}  // namespace ruvo::gui
