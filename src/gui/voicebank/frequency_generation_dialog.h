#pragma once
// The wait while the resampler makes a recording's frequency table anew: a
// small modal window with a running bar and "キャンセル", polling the child
// from the event loop so every window stays live. Cancel ends the resampler
// and whatever it started.

#include <optional>
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
  // Starts `command` and waits for it in the window: success when the
  // resampler left the table, else why not (it could not start, failed, or
  // the user cancelled).
  [[nodiscard]] static Result<void> run(const FrqGenerationCommand& command, const std::string& recordingPath,
                                        QWidget* owner);

  FrequencyGenerationDialog(FrqGeneration generation, const std::string& recordingPath, QWidget* owner);
  Result<void> outcome() const { return m_generation.outcome(); }
  void reject() override;

 private:
  void poll();

  FrqGeneration m_generation;
  QTimer m_timer;
};

}  // namespace ruvo::gui
