#pragma once
// The two settings commands of the window: "オプション" (mnOptions, the
// options dialog over the global settings) and "プロジェクトのプロパティ"
// (mnProjSetting, the project-property dialog over the open project). Tool
// paths the user picks or types in either become trusted programs.

#include <QObject>

#include "editor/edit_session.h"
#include "editor/project_session.h"

namespace ruvo::gui {

class EditorView;

class SettingsController final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(SettingsController)

 public:
  SettingsController(EditorView& view, ProjectSession& session, EditSession& edits);

  void editOptions();
  void editProjectProperties();

 private:
  EditorView& m_view;
  ProjectSession& m_session;
  EditSession& m_edits;
};

}  // namespace ruvo::gui
