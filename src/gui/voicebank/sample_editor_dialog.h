#pragma once
// The sample-parameter editor (frmOtoEdit): one recording's waveform with its
// coloured regions and the four handles, zoom "+"/"-", the scroll bar along
// the bottom, and OK/キャンセル. OK hands back the four values in whole ms.

#include <optional>
#include <string>

#include <QDialog>

#include "core/error.h"
#include "voicebank/sample_editor_model.h"

class QLabel;
class QPushButton;
class QScrollBar;

namespace ruvo::gui {

class WaveformView;

class SampleEditorDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(SampleEditorDialog)

 public:
  // Reads the recording and shows the editor modally over `owner`. The new
  // values after OK, nothing after キャンセル; a recording that cannot be read
  // (missing, damaged, not 16-bit PCM) is an error and shows no window.
  [[nodiscard]] static Result<std::optional<SampleTimes>> edit(QWidget* owner, const std::string& path,
                                                               const SampleTimes& times);

  SampleEditorDialog(QWidget* owner, const std::string& caption, WaveSamples wave, const SampleTimes& times);

  const SampleEditorModel& model() const { return m_model; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void layoutControls();
  void updateScrollRange();
  void showValues();

  SampleEditorModel m_model;
  WaveformView* m_view = nullptr;
  QScrollBar* m_scroll = nullptr;
  QLabel* m_offset = nullptr;
  QLabel* m_fixed = nullptr;
  QLabel* m_blank = nullptr;
  QWidget* m_topBar = nullptr;
  QPushButton* m_ok = nullptr;
  QPushButton* m_cancel = nullptr;
};

}  // namespace ruvo::gui
