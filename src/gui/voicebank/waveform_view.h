#pragma once
// The drawing surface of the sample editor: paints the plan the
// SampleEditorModel computes (regions, waveform, pre-utterance and zero
// lines) and carries the four drag handles Label1..Label4 and the guide line
// Line1. A handle let go hands its position to the model and redraws.

#include <array>

#include <QWidget>

#include "voicebank/sample_editor_model.h"

class QFrame;
class QLabel;

namespace ruvo::gui {

class WaveformView final : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(WaveformView)

 public:
  WaveformView(SampleEditorModel& model, QWidget* parent);

  // Places the handles and repaints.
  void redraw();
  QLabel* handle(SampleHandle which) const { return m_handles[static_cast<size_t>(which)]; }

 signals:
  // A handle was dropped and the model changed.
  void valuesChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  WaveformPlan currentPlan() const;

  SampleEditorModel& m_model;
  std::array<QLabel*, 4> m_handles{};
  QFrame* m_line = nullptr;
  bool m_dragging = false;
  int m_grabX = 0;  // pixels within the handle where it was grabbed
};

}  // namespace ruvo::gui
