#include "voicebank/sample_editor_model.h"

#include <gtest/gtest.h>

using namespace ruvo;

namespace {

// A recording of `frames` frames at `rate` Hz whose value is the frame index.
WaveSamples ramp(size_t frames, int rate) {
  WaveSamples wave;
  wave.sampleRate = rate;
  wave.channels = 1;
  for (size_t i = 0; i < frames; ++i) wave.samples.push_back(static_cast<int16_t>(i));
  return wave;
}

}  // namespace

// Positions are samples of 44 100 Hz: a 22 050 Hz file counts each frame
// twice, and 100 ms is 4410 units, drawn at 2205 twips at zoom 2.
TEST(SampleEditorModel, PositionsAreSamplesOf44100Hz) {
  SampleEditorModel model(ramp(22050, 22050), {100, 50, 200, 80});
  EXPECT_EQ(model.rateFactor(), 2.0);
  EXPECT_EQ(model.total(), 44100.0f);
  EXPECT_EQ(model.position(SampleHandle::Offset), 4410.0f);
  const WaveformPlan plan = model.plan(15000, 3000, 1500);
  EXPECT_EQ(plan.handleLefts[0], 2205.0 - 30);
  EXPECT_EQ(plan.handleLefts[1], 2205.0 + 1102.5 - 30);          // consonant end
  EXPECT_EQ(plan.handleLefts[2], 22050.0 - 4410 - 30);           // blank start
  EXPECT_EQ(plan.preUtteranceX, 2205.0 + 1764);
  EXPECT_EQ(plan.labelMs, (std::array<int64_t, 3>{100, 50, 200}));
  EXPECT_EQ(model.result(), (SampleTimes{100, 50, 200, 80}));
}

// A handle let go at x twips (zoom 2, no scroll) and the value it leaves,
// clamped as the rules say; the recording is 1 s (44 100 units).
TEST(SampleEditorModel, DroppedHandlesAreClamped) {
  struct Case {
    const char* what;
    SampleHandle handle;
    double x;
    SampleTimes expected;
  } cases[] = {
      {"offset left of the window", SampleHandle::Offset, -600, {0, 100, 100, 200}},
      {"offset", SampleHandle::Offset, 4410, {200, 100, 100, 200}},
      {"consonant before the offset", SampleHandle::Consonant, 1000, {100, 0, 100, 200}},
      {"consonant past the end is unbounded", SampleHandle::Consonant, 24255, {100, 1000, 100, 200}},
      {"blank past the consonant end meets it", SampleHandle::Blank, 1000, {100, 100, 800, 200}},
      {"blank past the end", SampleHandle::Blank, 30000, {100, 100, 0, 200}},
      {"pre-utterance before the offset", SampleHandle::PreUtterance, 100, {100, 100, 100, 0}},
      {"pre-utterance past the blank start", SampleHandle::PreUtterance, 22000, {100, 100, 100, 800}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SampleEditorModel model(ramp(44100, 44100), {100, 100, 100, 200});
    model.drop(c.handle, c.x);
    EXPECT_EQ(model.result(), c.expected);
  }
}

// Whole-ms values come back unchanged at every rate, and the zoom stays in
// 1..8, the scroll range following it.
TEST(SampleEditorModel, ValuesRoundTripAndZoomStaysInRange) {
  for (int rate : {8000, 11025, 22050, 44100, 48000, 96000}) {
    for (SampleTimes times : {SampleTimes{0, 0, 0, 0}, SampleTimes{37, 113, -500, 999}, SampleTimes{12345, 1, 7, 3}}) {
      SampleEditorModel model(ramp(100, rate), times);
      EXPECT_EQ(model.result(), times) << rate;
    }
  }
  SampleEditorModel model(ramp(44100, 44100), {});
  EXPECT_EQ(model.scrollMaximum(10050), 200);  // (22050 - 10050) / 60
  EXPECT_TRUE(model.zoomIn());
  EXPECT_FALSE(model.zoomIn());
  EXPECT_EQ(model.zoom(), 1);
  EXPECT_EQ(model.scrollMaximum(10050), 568);  // the drawn width doubled: 567.5, half to even
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(model.zoomOut());
  EXPECT_FALSE(model.zoomOut());
  EXPECT_EQ(model.zoom(), 8);
  EXPECT_EQ(model.scrollMaximum(10050), 0);
}

// The waveform: every fourth frame, one point per pixel, only inside the
// view, y scaled by the height; the scroll moves it left.
TEST(SampleEditorModel, WaveformKeepsOnePointPerPixelInsideTheView) {
  SampleEditorModel model(ramp(4000, 44100), {});
  model.zoomIn();  // zoom 1: a frame per twip
  model.setScrollValue(10);  // 600 twips
  const WaveformPlan plan = model.plan(300, 65536, 0);
  ASSERT_FALSE(plan.wave.empty());
  EXPECT_EQ(plan.wave.front().x, 0.0);
  std::vector<double> xs;
  for (size_t i = 1; i < plan.wave.size(); ++i) {
    xs.push_back(plan.wave[i].x);
    EXPECT_EQ(plan.wave[i].y, -(plan.wave[i].x + 600));  // the frame's value
  }
  // Frames 604.. at x = 4, 8, 12, ...: pixel 0 (x < 15) is never a new
  // pixel, so the first point is x = 16, then one per 15-twip pixel.
  EXPECT_EQ(xs.front(), 16.0);
  EXPECT_EQ(xs.back(), 288.0);
  EXPECT_EQ(xs.size(), 19u);
}
