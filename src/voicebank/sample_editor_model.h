#pragma once
// The logic of the sample-parameter editor (frmOtoEdit): one recording's
// offset, consonant, blank and pre-utterance held in position units (samples
// of 44 100 Hz, whatever the file's own rate), the zoom and scroll of the
// view, the clamping of a dropped handle, and the drawing plan the widget
// paints. Screen positions are in twips (15 to a pixel); zoom z means one
// twip shows z position units.

#include <array>
#include <cstdint>
#include <vector>

#include "voicebank/wave_samples.h"

namespace ruvo {

// The four values in whole ms: offset from the start, consonant and
// pre-utterance from the offset, blank back from the end.
struct SampleTimes {
  int offset = 0, consonant = 0, blank = 0, preUtterance = 0;
  bool operator==(const SampleTimes&) const = default;
};

enum class SampleHandle { Offset, Consonant, Blank, PreUtterance };

struct WaveformPlan {
  struct Region {
    double left = 0, right = 0;  // twips, left <= right; full height
    uint8_t red = 0, green = 0, blue = 0;
  };
  struct Point {
    double x = 0, y = 0;  // twips
  };
  std::array<Region, 5> regions;  // painted in this order
  std::vector<Point> wave;        // a polyline from (0, centre)
  double preUtteranceX = 0;       // red line from a quarter to three quarters of the height
  double centreY = 0;             // red zero line
  std::array<double, 4> handleLefts{};  // by SampleHandle: the line's x - 30
  std::array<int64_t, 3> labelMs{};     // offset, consonant, blank: Int of the ms
};

class SampleEditorModel {
 public:
  static constexpr int kMinZoom = 1;
  static constexpr int kMaxZoom = 8;
  static constexpr int kFirstZoom = 2;
  static constexpr int kTwipsPerScrollStep = 60;
  static constexpr int kHandleWidth = 75;   // twips
  static constexpr int kHandleInset = 30;   // twips from the handle's left to its line

  // `wave` holds one value per frame (the first channel).
  SampleEditorModel(WaveSamples wave, SampleTimes times);

  double rateFactor() const { return m_rateFactor; }
  // Position units of the whole recording.
  float total() const { return m_total; }
  float position(SampleHandle handle) const;

  int zoom() const { return m_zoom; }
  // "+" (down to 1) and "-" (up to 8); false when the zoom stays.
  bool zoomIn();
  bool zoomOut();
  // The scroll bar's value; the view's left edge is value * 60 twips.
  void setScrollValue(int value) { m_scroll = static_cast<double>(value) * kTwipsPerScrollStep; }
  // The scroll bar's maximum for a view `width` twips wide at this zoom.
  int scrollMaximum(double width) const;

  WaveformPlan plan(double width, double height, double centre) const;

  // A handle let go with the mouse at `x` twips of the view: the value
  // follows, clamped (offset and consonant at least 0; blank between 0 and
  // the end of the consonant; pre-utterance between 0 and the blank start).
  void drop(SampleHandle handle, double x);

  // The values rounded to whole ms.
  SampleTimes result() const;

 private:
  std::vector<int16_t> m_samples;
  double m_rateFactor = 1;
  float m_total = 0;
  float m_offset = 0, m_consonant = 0, m_blank = 0, m_preUtterance = 0;
  int m_zoom = kFirstZoom;
  double m_scroll = 0;
};

// ms to position units and back.
float msToPosition(double ms);
double positionToMs(double position);

}  // namespace ruvo
