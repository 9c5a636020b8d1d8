#pragma once
// The frequency-table editor frmEditFreqList: the frames of one recording's
// table in List1, the value and average boxes, the command labels (acting on
// a double-click), write and close, and the graph drawn on the window's
// surface, over a FrqEditor. "再作成" has the resampler make the table anew
// (FrequencyGenerationDialog) and shows the new table.

#include <functional>
#include <map>
#include <optional>
#include <string>

#include <QDialog>

#include "core/prompts.h"
#include "settings/settings.h"
#include "voicebank/frq_editor.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace ruvo::gui {

// What the editor needs from its caller, all outliving it.
struct FrequencyTableServices {
  Prompts& prompts;
  const Settings& settings;  // Tool2Path (the resampler), DebugMode
  std::string tempDir;       // the working folder the resampler runs in
  std::string cacheFolder;   // the project's cached notes; "" for none
};

class FrequencyTableDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(FrequencyTableDialog)

 public:
  // Opens the editor on `recordingPath` modally over `owner`. A table that
  // cannot be read is reported and nothing else is shown. True when the
  // table was written (or made anew) at least once; the recording's cached
  // notes in services.cacheFolder are then deleted.
  static bool edit(const std::string& recordingPath, const FrequencyTableServices& services, QWidget* owner);

  // The editor on the table of `recordingPath`; when the table cannot be
  // read, exec() shows why and returns Rejected at once.
  FrequencyTableDialog(const std::string& recordingPath, const FrequencyTableServices& services, QWidget* owner);
  ~FrequencyTableDialog() override;

  int exec() override;
  void reject() override;
  // The table was written at least once.
  bool written() const { return m_written; }
  // The model, empty when the table could not be read.
  const std::optional<FrqEditor>& editor() const { return m_editor; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build();
  void fillList();
  void showRows(FrqRowSpan span);
  // Runs a command of the model; an unexpected failure is shown (unless
  // DebugMode is on) and the editor stays open.
  void guarded(const std::function<void()>& command);
  // The boxes' texts into the model, before each command.
  void syncFromBoxes();
  void afterCommand(FrqRowSpan span);
  void setValue();
  void revert();
  void write();
  void regenerate();
  bool mayClose();

  FrequencyTableServices m_services;
  std::string m_recordingPath;
  std::optional<FrqEditor> m_editor;
  std::string m_openError;
  bool m_written = false;
  bool m_syncing = false;  // the list is being filled from the model
  QListWidget* m_list = nullptr;
  QLineEdit* m_value = nullptr;
  QLineEdit* m_average = nullptr;
  std::map<QObject*, std::function<void()>> m_labelCommands;  // acted on by a double-click
};

}  // namespace ruvo::gui
