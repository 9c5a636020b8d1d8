#pragma once
// The options dialog ("frmOptions"): registered voice banks, the cache
// policy and the default tool paths, shown over an OptionsForm. The widget
// only mirrors the form's fields and forwards clicks to it.

#include <string>

#include <QDialog>

#include "settings/options_form.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace ruvo::gui {

class LanguageChoiceView;

class OptionsDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(OptionsDialog)

 public:
  // Opens the dialog modally over `owner`, showing `settings` and `own`.
  // Returns true when OK wrote the voice banks, the cache policy and the
  // tool paths into `settings` and the number of resampler processes into
  // `own`; false (Cancel, closing) leaves them unchanged.
  // programFolder is where "リセット" finds the bundled tools.
  static bool showDialog(QWidget* owner, Settings& settings, OwnSettings& own, const std::string& programFolder,
                         Prompts& prompts, FileChooser& chooser);

  OptionsDialog(QWidget* owner, Settings& settings, OwnSettings& own, const std::string& programFolder,
                Prompts& prompts, FileChooser& chooser);

 private:
  void buildGeneralPage();
  void buildVoiceBankPage();
  void buildCachePage();
  void buildPathPage();
  // Copies the boxes into the form, and the form into the boxes.
  void readBoxes();
  void showForm();
  void showVoiceBankRows();
  void onRowChanged(int row);
  // Shows the form after an add or set; a row written with `warning` set
  // shows it.
  void onRowEdit(RowEdit outcome, const std::string& warning);
  // A refused limit: its tab comes to the front and the box gets the focus.
  void focusCacheBox(QLineEdit* box);
  void onOk();

  Settings& m_settings;
  OwnSettings& m_own;
  Prompts& m_prompts;
  FileChooser& m_chooser;
  OptionsForm m_form;

  QTabWidget* m_tabs = nullptr;
  LanguageChoiceView* m_language = nullptr;
  QListWidget* m_otoList = nullptr;
  QLineEdit* m_otoName = nullptr;
  QLineEdit* m_otoPath = nullptr;
  QCheckBox* m_cacheTemp = nullptr;
  QRadioButton* m_noDelete = nullptr;
  QRadioButton* m_deleteOnUnload = nullptr;
  QRadioButton* m_deleteBySize = nullptr;
  QRadioButton* m_deleteByDate = nullptr;
  QLineEdit* m_limitSize = nullptr;
  QLineEdit* m_deleteDays = nullptr;
  QSpinBox* m_workers = nullptr;
  QLineEdit* m_tool1 = nullptr;
  QLineEdit* m_tool2 = nullptr;
};

}  // namespace ruvo::gui
