#pragma once
// The life cycle's dialogs (Form3, frmSelectTrack) as the session asks for
// them.

#include "editor/project_session.h"

class QWidget;

namespace ruvo::gui {

class QtProjectDialogs final : public ProjectDialogs {
 public:
  QtProjectDialogs(QWidget* owner, Prompts& prompts, FileChooser& files, const SessionSettings& settings)
      : m_owner(owner), m_prompts(prompts), m_files(files), m_settings(settings) {}
  // The window the dialogs are modal to, once it exists.
  void setOwner(QWidget* owner) { m_owner = owner; }
  std::optional<ProjectProperties> editProject(const ProjectProperties& properties) override;
  int selectTrack(const std::vector<std::string>& trackList, const std::vector<int>& sungNotes) override;

 private:
  QWidget* m_owner;
  Prompts& m_prompts;
  FileChooser& m_files;
  const SessionSettings& m_settings;
};

}  // namespace ruvo::gui
