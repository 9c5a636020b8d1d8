// The pitch curve editor on a 3049-point curve (a note of about 40 seconds
// at tempo 120), on the offscreen platform: opening it (form model, dialog,
// first painted frame) and one drag event on a point (the new value and the
// repaint of the drawing), at the closest zoom and at level 5, the farthest
// at which points are shown and can be dragged.

#include <benchmark/benchmark.h>

#include <cmath>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "gui/noteprops/pitch_curve_dialog.h"
#include "gui/noteprops/pitch_curve_view.h"

namespace {

ruvo::PitchEditorInput longNote() {
  ruvo::PitchEditorInput input;
  input.pitches = "0Q120";
  for (int i = 1; i < 3049; ++i) input.pitches += " " + std::to_string(static_cast<int>(300 * std::sin(i * 0.05)));
  input.offsetMs = 40;
  input.fixedMs = 80;
  input.lengthMs = 40000;
  input.preUtteranceMs = 60;
  return input;
}

ruvo::PitchEditorSound longSound() {
  ruvo::PitchEditorSound sound;
  sound.sampleCount = 44100 * 41;
  sound.wave.resize(static_cast<size_t>(sound.sampleCount));
  for (size_t k = 0; k < sound.wave.size(); ++k) sound.wave[k] = static_cast<int16_t>(9000 * std::sin(k * 0.0373));
  return sound;
}

void OpenPitchEditor(benchmark::State& state) {
  const ruvo::PitchEditorInput input = longNote();
  const ruvo::PitchEditorSound sound = longSound();
  for (auto _ : state) {
    ruvo::gui::PitchCurveDialog dialog(nullptr, ruvo::PitchCurveForm(input, sound));
    if (dialog.form().values().size() != 3049) state.SkipWithError("point count");
    dialog.show();
    QImage frame = dialog.grab().toImage();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(OpenPitchEditor)->Unit(benchmark::kMillisecond);

void DragPoint(benchmark::State& state) {
  ruvo::gui::PitchCurveDialog dialog(nullptr, ruvo::PitchCurveForm(longNote(), longSound()));
  dialog.resize(1280, 600);
  for (int i = 1; i < state.range(0); ++i) dialog.form().zoomOut();
  dialog.show();
  auto* view = dialog.findChild<ruvo::gui::PitchCurveView*>(QStringLiteral("Form2Surface"));
  QImage target(view->size(), QImage::Format_RGB32);
  QPointF centre = view->pointRect(20).center();
  QMouseEvent press(QEvent::MouseButtonPress, centre, view->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(view, &press);
  int step = 0;
  for (auto _ : state) {
    QPointF at = centre + QPointF(0, (step++ % 40) - 20);
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    view->render(&target);
  }
}
BENCHMARK(DragPoint)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
