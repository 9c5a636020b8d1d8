// Renders the note property dialog (single and range mode) and the pitch
// curve editor offscreen into PNG files for the user guide:
// noteprops_screenshots OUTPUT_FOLDER.

#include <cmath>
#include <cstdio>

#include <QApplication>

#include "gui/noteprops/note_property_dialog.h"
#include "gui/noteprops/pitch_curve_dialog.h"
#include "support/scripted_answers.h"

namespace {

bool save(QWidget& dialog, const QString& file) {
  dialog.show();
  QApplication::processEvents();
  if (dialog.grab().save(file)) return true;
  std::fprintf(stderr, "noteprops_screenshots: error: cannot write %s\n", file.toLocal8Bit().constData());
  return false;
}

// A sung vowel's stand-in: a few harmonics of 262 Hz under a swell.
ruvo::PitchEditorSound voiceLike() {
  ruvo::PitchEditorSound sound;
  sound.sampleCount = 44100;
  for (int k = 0; k < sound.sampleCount; ++k) {
    double t = k / 44100.0;
    double swell = std::min(1.0, t * 8) * std::min(1.0, (1.0 - t) * 4);
    double wave = 0;
    for (int h = 1; h <= 4; ++h) wave += std::sin(2 * M_PI * 262 * h * t) / h;
    sound.wave.push_back(static_cast<int16_t>(9000 * swell * wave));
  }
  return sound;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: noteprops_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/");
  ruvo::testing::ScriptedPrompts prompts{ruvo::testing::lenient};
  ruvo::Settings settings;
  settings.PropExpandDetail = true;
  ruvo::NoteSound sound;
  sound.recordingPath = "/voices/a.wav";

  bool ok = true;
  ruvo::gui::NotePropertyDialog single(nullptr, {36, 1920, "あ", "30\t120\t50\t\tB50,N,g-2\ttempo=150\\nenv=0 5", 3},
                                       sound, settings, prompts);
  ok = save(single, folder + QStringLiteral("note_property_dialog.png")) && ok;
  ruvo::gui::NotePropertyDialog range(nullptr, {-1, -1, "*", "30\t*\t\t\t*,N,*\t*", -1}, sound, settings, prompts);
  ok = save(range, folder + QStringLiteral("note_property_dialog_range.png")) && ok;
  ruvo::NoteSound chosen = sound;
  chosen.chosenAlias = "a か";  // a VCV bank sings "か" after "あ" through this alias
  ruvo::gui::NotePropertyDialog vcv(nullptr, {38, 960, "か", "", 4}, chosen, settings, prompts);
  ok = save(vcv, folder + QStringLiteral("note_property_dialog_vcv.png")) && ok;

  ruvo::PitchEditorInput input;
  input.pitches = "-200Q120 -170 -120 -60 -20 0 0 0 0 0 30 60 80 60 30 -30 -60 -80 -60 -30 30 60 80 60 30";
  input.offsetMs = 40;
  input.fixedMs = 80;
  input.lengthMs = 600;
  input.preUtteranceMs = 60;
  ruvo::gui::PitchCurveDialog pitch(nullptr, ruvo::PitchCurveForm(input, voiceLike()));
  pitch.form().pressPoint(10, false);
  pitch.form().pressPoint(24, true);
  pitch.form().zoomOut();
  pitch.form().zoomOut();
  ok = save(pitch, folder + QStringLiteral("pitch_curve_dialog.png")) && ok;
  return ok ? 0 : 1;
}
