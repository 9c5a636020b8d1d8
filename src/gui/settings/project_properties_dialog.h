#pragma once
// The project-property dialog ("Form3"): the project's name, output file,
// voice folder, tool paths and resampler flags, shown over a
// ProjectPropertiesForm, and a button that empties the cache folder.

#include <string>

#include <QDialog>

#include "settings/project_properties_form.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace ruvo::gui {

class ProjectPropertiesDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(ProjectPropertiesDialog)

 public:
  // Opens the dialog modally over `owner` with `properties` in its boxes.
  // `settings` gives the registered voice folders; an empty cacheDir means
  // tempDir's "temp.cache". Returns true when confirmed, with every field
  // but cacheDir replaced by the confirmed values (see
  // ProjectPropertiesForm::confirmed); false leaves `properties` unchanged.
  // Emptying the cache happens at once, whichever button closes the dialog.
  static bool showDialog(QWidget* owner, ProjectProperties& properties, const Settings& settings,
                         const std::string& tempDir, Prompts& prompts, FileChooser& chooser);

  ProjectPropertiesDialog(QWidget* owner, const ProjectProperties& properties, const Settings& settings,
                          const std::string& tempDir, Prompts& prompts, FileChooser& chooser);

  // The values of the boxes as confirming stores them.
  ProjectProperties confirmed();

 private:
  void readBoxes();
  void showForm();
  // A "..." button that lets the form fill a box from a file dialog.
  QPushButton* browseButton(const char* name, void (ProjectPropertiesForm::*browse)(FileChooser&));

  Prompts& m_prompts;
  FileChooser& m_chooser;
  ProjectPropertiesForm m_form;

  QLineEdit* m_projectName = nullptr;
  QLineEdit* m_outputName = nullptr;
  QComboBox* m_voiceFolder = nullptr;
  QLineEdit* m_tool1 = nullptr;
  QLineEdit* m_tool2 = nullptr;
  QLineEdit* m_flags = nullptr;
};

}  // namespace ruvo::gui
