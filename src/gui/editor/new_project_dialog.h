#pragma once
// Form3, "プロジェクトの設定": a thin face over editor/new_project_form.

#include <QDialog>

#include "editor/new_project_form.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ruvo {
class Prompts;
class FileChooser;
}  // namespace ruvo

namespace ruvo::gui {

class NewProjectDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(NewProjectDialog)

 public:
  NewProjectDialog(NewProjectForm form, Prompts& prompts, FileChooser& files, QWidget* parent);
  // The form's confirmed values, after OK.
  ProjectFields result() const;

 private:
  void browseFolder();
  void browseTool(QLineEdit* box);
  void deleteCache();

  NewProjectForm m_form;
  Prompts& m_prompts;
  FileChooser& m_files;
  QLineEdit* m_name;
  QLineEdit* m_output;
  QComboBox* m_folder;
  QLineEdit* m_tool1;
  QLineEdit* m_tool2;
  QLineEdit* m_flags;
  QPushButton* m_deleteCache;
};

}  // namespace ruvo::gui
