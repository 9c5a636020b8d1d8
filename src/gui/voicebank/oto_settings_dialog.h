#pragma once
// The voice-bank settings dialog (frmOtoSetting, "原音設定"): the rows of a
// voice folder's recordings and oto.ini, the six boxes, and the commands of
// OtoSettingsForm, plus the preview (double-click), the sample editor, the
// frequency-table editor and the making of frequency tables anew. Everything
// it needs comes in through the constructor; it knows no window above it.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>
#include <QTimer>

#include "core/file_chooser.h"
#include "core/prompts.h"
#include "media/media_service.h"
#include "voicebank/frq_generation.h"
#include "voicebank/oto_settings_form.h"

class QLineEdit;
class QProgressDialog;
class QPushButton;
class QTreeWidget;

namespace ruvo::gui {

struct OtoSettingsContext {
  std::string folder;      // the voice folder to open
  std::string target;      // a lookup text to pre-select ("" for none)
  std::string toolPath;    // the resampler that makes frequency tables
  std::string workFolder;  // where its scratch output goes
  bool debugMode = false;  // failures pass on instead of being shown
};

struct OtoSettingsServices {
  Prompts& prompts;
  FileChooser& files;
  MediaService& media;
  // Deletes the cached notes of a recording (its name without ".wav").
  std::function<void(const std::string& recordingName)> deleteCache;
  // Opens the frequency-table editor of a recording; true when the table
  // was written. Without it "周波数表の編集" stays disabled.
  std::function<bool(QWidget* owner, const std::string& wavPath)> editFrequencyTable;
};

class OtoSettingsDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(OtoSettingsDialog)

 public:
  // The caption and the title of the dialog's own messages.
  static constexpr const char* kCaption = "原音設定";
  static constexpr const char* kErrorTitle = "予期しないエラー";

  OtoSettingsDialog(QWidget* owner, const OtoSettingsContext& context, OtoSettingsServices services);
  ~OtoSettingsDialog() override;

  const OtoSettingsForm& form() const { return m_form; }
  // Making tables anew is under way.
  bool generating() const { return m_generation != nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void build();
  void guarded(const std::function<void()>& command);
  void showRows();
  void showBoxes();
  void readBoxes();
  void onRowChosen();
  void preview();
  void setRow();
  void clearRow();
  void deleteRow();
  void copyRow();
  void editSample();
  void editFrequencyTable();
  void regenerateTables();
  void pollGeneration();
  void finishGeneration();
  void changeFolder();
  void confirm();
  void showOpenError(const Result<void>& opened);

  OtoSettingsContext m_context;
  OtoSettingsServices m_services;
  OtoSettingsForm m_form;
  std::unique_ptr<FrqGeneration> m_generation;
  std::vector<std::pair<std::string, std::string>> m_generated;  // path, file name
  QTimer m_poll;
  QProgressDialog* m_progress = nullptr;

  QTreeWidget* m_list = nullptr;
  QLineEdit* m_path = nullptr;
  QLineEdit* m_name = nullptr;
  QLineEdit* m_alias = nullptr;
  QLineEdit* m_offset = nullptr;
  QLineEdit* m_fixed = nullptr;
  QLineEdit* m_blank = nullptr;
  QLineEdit* m_pre = nullptr;
  QPushButton* m_freqList = nullptr;
  QPushButton* m_regenerate = nullptr;
};

}  // namespace ruvo::gui
