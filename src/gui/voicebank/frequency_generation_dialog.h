#pragma once
// The wait while the resampler makes a recording's frequency table anew: a
// small modal window with a running bar and "キャンセル", polling the run
// from the event loop so every window stays live. Cancel ends the resampler
// and whatever it started.

#include <string>

#include <QDialog>
#include <QTimer>

#include "core/error.h"
#include "voicebank/frq_generation.h"

namespace ruvo::gui {

class FrequencyGenerationDialog final : public QDialog {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(FrequencyGenerationDialog)

 public:
  // Runs the resampler `toolPath` on one recording in `workFolder` and waits
  // for it in the window: success when it left the table, else why not (it
  // could not start, failed, made no table, or the user cancelled).
  [[nodiscard]] static Result<void> run(const std::string& toolPath, const std::string& workFolder,
                                        const std::string& recordingPath, QWidget* owner);

 private:
  FrequencyGenerationDialog(const std::string& toolPath, const std::string& workFolder,
                            const std::string& recordingPath, QWidget* owner);
  Result<void> outcome() const;
  void poll();
  void reject() override;

  std::string m_recordingName;
  FrqGeneration m_generation;
  QTimer m_timer;
};

}  // namespace ruvo::gui
