// The pitch curve editor's model: how a curve text becomes points over the
// note, what the commands make of them, and the text OK writes back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "noteprops/pitch_curve_form.h"
#include "noteprops/pitch_curve_text.h"

using namespace ruvo;

namespace {

// A half-second note after 100 ms of pre-utterance, over a one-second
// recording at 44100 Hz: 117 points at tempo 120.
PitchCurveForm formOf(std::string pitches, int lengthMs = 500, int frqFrames = 0) {
  PitchEditorInput input;
  input.tempo = 120;
  input.pitches = std::move(pitches);
  input.offsetMs = 50;
  input.fixedMs = 80;
  input.lengthMs = lengthMs;
  input.preUtteranceMs = 100;
  PitchEditorSound sound;
  sound.sampleCount = 44100;
  sound.frqFrames = frqFrames;
  sound.wave.assign(44100, 0);
  return PitchCurveForm(input, std::move(sound));
}

TEST(PitchCurveText, OpensAndSavesCurveTexts) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"1.5Q120 2 0 0", "1.5Q120 2"},
      {"", ""},
      {"0Q120 0 0", ""},
      {"0Q120 0 -5 0", "0Q120 0 -5"},
      {"0.7Q120 12.3", "0.7Q120 12.3"},
      {"12.5P 1", "12.5Q120 1"},
      // Damaged: letters read as 0, huge and non-finite numbers are held in range.
      {"xQ 1e999 -7e40 abc 5", "0Q120 0 -100000 0 5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(formOf(c.in).curveText(), c.out) << c.in;
  }
  PitchCurveForm opened = formOf("1.5Q120 2 0 0");
  EXPECT_FLOAT_EQ(opened.values()[0], 0.15f);
  EXPECT_FLOAT_EQ(opened.values()[1], 0.2f);
}

TEST(PitchCurveText, PointCountFollowsTheNoteAndPadsOrCuts) {
  PitchCurveForm note = formOf("");
  EXPECT_EQ(note.interval(), 230);
  EXPECT_EQ(note.highestIndex(), 116);
  std::string longText = "1Q120";
  for (int i = 0; i < 200; ++i) longText += " 1";
  std::string cut = formOf(longText).curveText();
  EXPECT_EQ(std::count(cut.begin(), cut.end(), ' '), 116);
  EXPECT_EQ(formOf("1Q120 2").values().size(), 117u);
  EXPECT_EQ(formOf("", 600000).values().size(), 3049u);
  // Old form: one point per frame of the frequency table.
  PitchCurveForm old = formOf("1 2 3", 500, 100);
  EXPECT_TRUE(old.oldForm());
  EXPECT_EQ(old.highestIndex(), 99);
  EXPECT_EQ(old.curveText(), "1 2 3");
  // A damaged text of thousands of points opens capped and saves a valid curve.
  std::string damaged = "9Q";
  for (int i = 0; i < 5000; ++i) damaged += i % 3 ? " 7e40" : " x";
  PitchCurveForm capped = formOf(damaged, 600000);
  EXPECT_EQ(capped.values().size(), 3049u);
  EXPECT_TRUE(capped.curveText().starts_with("9Q120 0 100000"));
}

TEST(PitchCurveForm, RangeCommandsShapeTheSelection) {
  PitchCurveForm form = formOf("");
  form.pressPoint(2, false);
  form.dragPoint(2, form.zeroLine(3000) - 30 - 45 * 4, 3000);  // value 4
  form.pressPoint(6, true);
  form.dragPoint(6, form.zeroLine(3000) - 30 + 45 * 2, 3000);  // value -2
  EXPECT_FLOAT_EQ(form.values()[2], 4);
  form.straight();
  EXPECT_FLOAT_EQ(form.values()[4], 1);
  form.curve();
  EXPECT_NEAR(form.values()[3], 4 - 6 * (0.5 - 0.5 * std::cos(M_PI / 4)), 1e-5);
  EXPECT_FLOAT_EQ(form.values()[6], -2);
  form.setZero();
  for (int i = 2; i <= 6; ++i) EXPECT_EQ(form.values()[size_t(i)], 0);

  // Vibrato over 4 intervals: count 4 takes the cosine branch.
  form.pressPoint(10, false);
  form.pressPoint(14, true);
  for (int i = 0; i < 4; ++i) form.vibratoMore();
  std::vector<float> wave(form.values().begin() + 10, form.values().begin() + 15);
  EXPECT_EQ(wave, (std::vector<float>{5, -5, 5, -5, 5}));
  form.vibratoMore();  // past n: back to 0, flat
  EXPECT_EQ(form.values()[11], 0);
  form.vibratoLess();  // below 0: n again
  form.setDepthIndex(1);
  EXPECT_FLOAT_EQ(form.values()[11], -2);
  form.reset();
  EXPECT_EQ(form.curveText(), "");
}

TEST(PitchCurveForm, BandSelectionZoomAndOldData) {
  PitchCurveForm form = formOf("");
  form.selectBand(form.pointLeft(5) + 10, form.pointLeft(8) + 10);
  EXPECT_EQ(form.selectionStart(), 5);
  EXPECT_EQ(form.selectionEnd(), 8);
  form.selectBand(-5000, -4000);
  EXPECT_EQ(form.selectionStart(), 5);
  for (int i = 0; i < 20; ++i) form.zoomOut();
  EXPECT_EQ(form.zoom(), PitchCurveForm::kMaxZoom);
  EXPECT_FALSE(form.pointsShown());
  EXPECT_EQ(form.scrollMaximum(1e6), 0);

  form.setOldData(true);
  EXPECT_TRUE(form.oldForm());
  EXPECT_EQ(form.highestIndex(), 172);  // 44100 / 256
  EXPECT_TRUE(formOf("").curveText().empty());
}

}  // namespace
