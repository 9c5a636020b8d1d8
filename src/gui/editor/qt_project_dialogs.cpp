#include "gui/editor/qt_project_dialogs.h"

#include "gui/editor/new_project_dialog.h"
#include "gui/editor/select_track_dialog.h"

namespace ruvo::gui {

std::optional<ProjectFields> QtProjectDialogs::editProject(const ProjectFields& fields) {
  NewProjectDialog dialog(NewProjectForm(fields, m_settings.folders.tempDir, m_settings.settings), m_prompts, m_files,
                          m_owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.result();
}

int QtProjectDialogs::selectTrack(const std::vector<std::string>& trackList) {
  SelectTrackDialog dialog(trackList, m_owner);
  dialog.exec();
  return dialog.chosenTrack();
}

}  // namespace ruvo::gui
