// A pitch curve drawn through the curve editor's model and rendered with the
// real tools: the output sings the curve's pitch where the curve says.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "core/paths.h"
#include "noteprops/pitch_curve_form.h"
#include "noteprops/property_record.h"
#include "project/project_batch.h"
#include "support/pitch_measure.h"
#include "support/run_process.h"
#include "support/temp_folder.h"
#include "support/test_bank.h"
#include "voicebank/voice_bank.h"
#include "voicebank/wave_samples.h"

using namespace ruvo;
using ruvo::testing::runProcess;
using ruvo::testing::TempFolder;

namespace {

const std::string kBin = RUVO_BIN_DIR;
constexpr double kRate = 44100;
constexpr int kKey = 36;  // C4

double keyHz(double key) { return 440.0 * std::pow(2.0, (key + 24 - 69) / 12.0); }

// One segment of the curve: from..to ms after the note's start, at `cents`.
struct Segment {
  double fromMs;
  double toMs;
  double cents;
};

TEST(PitchCurveEndToEnd, RenderedNoteFollowsTheEditedCurve) {
  TempFolder dir("ruvo_pitch_e2e");
  const auto& bank = ruvo::testing::testBank(RUVO_SOURCE_DIR, kBin);
  ASSERT_EQ(bank.error, "");

  Song song;
  song.tempoText = "120";
  song.voiceFolder = bank.folder;
  song.joinerPath = kBin + "/splicer";
  song.resamplerPath = kBin + "/resampler";
  song.outputFile = "out.wav";
  VoiceBankTables tables;
  tables.oto = *OtoTable::load(song.voiceFolder);
  std::string recording = "あ";
  OtoEntry entry = tables.oto.getAlias(recording);
  const int preUtterance = static_cast<int>(entry.number(OtoEntry::kPreUtterance));

  // The dialog's view of a one-second C4 note with its pre-utterance set.
  PitchEditorInput input;
  input.tempo = 120;
  input.recordingPath = joinPath(song.voiceFolder, recording + ".wav");
  input.offsetMs = static_cast<int>(entry.number(OtoEntry::kOffset));
  input.fixedMs = static_cast<int>(entry.number(OtoEntry::kConsonant));
  input.tailMs = static_cast<int>(entry.number(OtoEntry::kBlank));
  input.lengthMs = 1000;
  input.preUtteranceMs = preUtterance;
  auto form = PitchCurveForm::open(input);
  ASSERT_TRUE(form) << form.error().message;

  // Each segment drawn as the user does: drag its two ends, then "／".
  const Segment segments[] = {{100, 300, 0}, {430, 600, 300}, {730, 930, -200}};
  const double height = 6000;
  auto pointAt = [&](double ms) {
    return static_cast<int>(std::lround((preUtterance + ms) / 1000.0 * kRate / form->interval()));
  };
  for (const Segment& segment : segments) {
    double top = form->zeroLine(height) - 30 - segment.cents / 10 * 45;
    int first = pointAt(segment.fromMs - 40);
    int last = pointAt(segment.toMs + 40);
    form->pressPoint(first, false);
    form->dragPoint(first, top, height);
    form->pressPoint(last, true);
    form->dragPoint(last, top, height);
    form->straight();
  }
  std::string curve = form->curveText();
  ASSERT_FALSE(curve.empty());

  PropFields props;
  props[kPropPreUtterance] = std::to_string(preUtterance);
  props[kPropPitchCurve] = curve;
  song.at(0) = Note{"あ", 3840, kKey, joinProps(props)};  // two beats: one second
  song.noteCount = 1;
  ASSERT_TRUE(saveAsProjectBatch(song, tables, dir / "song.bat", {dir.path(), true}));
  auto run = runProcess(kBin + "/ruvo-cli", {"render", dir / "song.bat", "--settings", dir / "setting.ini"});
  ASSERT_EQ(run.status, 0) << run.err;

  auto wave = readWaveSamples(dir / "out.wav");
  ASSERT_TRUE(wave) << wave.error().message;
  std::vector<float> samples = toUnitFloat(wave->samples);
  // The output begins one pre-utterance before the note.
  for (const Segment& segment : segments) {
    double centreMs = preUtterance + (segment.fromMs + segment.toMs) / 2;
    double f0 = ruvo::testing::measureF0(samples, std::lround(centreMs * kRate / 1000), 1024);
    double expected = keyHz(kKey + segment.cents / 100);
    EXPECT_LT(std::fabs(ruvo::testing::cents(f0, expected)), 10.0)
        << segment.cents << " cents at " << centreMs << " ms: " << f0 << " Hz against " << expected << " Hz";
  }
}

}  // namespace
