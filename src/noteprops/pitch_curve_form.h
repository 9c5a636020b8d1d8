#pragma once
// The pitch curve editor (Form2) without its widgets: the points of one
// note's curve laid over the note's sound, the selection, the range commands
// and vibrato, zoom and scroll, and the text OK writes.
//
// Horizontal positions are display units, 300 to every 256 samples of the
// recording, one twip on the screen at zoom level 1; vertical positions are
// twips from the top of the drawing area. One value unit is 10 cents.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo {

struct PitchEditorInput {
  float tempo = 120;          // tempo in effect for the note
  std::string pitches;        // the pitch curve text
  std::string recordingPath;  // the recording of the note's lyric
  std::string cachePath;      // the note's rendered sound (may not exist)
  int offsetMs = 0;           // the sample's offset, fixed part and tail
  int fixedMs = 0;
  int tailMs = 0;
  int lengthMs = 0;           // the note's length
  int preUtteranceMs = 0;     // the note's pre-utterance
};

// The sound behind the points.
struct PitchEditorSound {
  int sampleRate = 44100;                 // the recording's
  int sampleCount = 0;                    // the recording's
  int frqFrames = 0;                      // frames of the recording's frequency table, 0 when it has none
  std::vector<int16_t> wave;              // what is drawn: the rendered note or the recording
  bool waveIsRendering = false;           // the rendered note, drawn from the sample's offset
};

class PitchCurveForm {
 public:
  static constexpr int kSamplesPerUnit = 256;  // 256 samples make 300 display units
  static constexpr double kUnitsPerFrame = 300;
  static constexpr int kMaxZoom = 12;
  static constexpr int kDepthChoices = 10;
  static constexpr double kBottomStrip = 255;  // twips under the drawing for the buttons

  // Reads the recording, its frequency table and the rendered note when it
  // exists. A recording without samples is an error: the editor does not open.
  [[nodiscard]] static Result<PitchCurveForm> open(const PitchEditorInput& input);
  PitchCurveForm(const PitchEditorInput& input, PitchEditorSound sound);

  // The points.
  const std::vector<float>& values() const { return m_values; }
  int highestIndex() const { return static_cast<int>(m_values.size()) - 1; }
  bool oldForm() const { return m_oldForm; }
  int interval() const { return m_interval; }
  float tempo() const { return m_tempo; }
  const PitchEditorSound& sound() const { return m_sound; }

  // Positions in display units, before zoom and scroll.
  double offsetX() const { return m_offset; }
  double fixedX() const { return m_fixed; }
  double preUtteranceX() const { return m_preUtterance; }
  double lengthX() const { return m_length; }
  double fullWidth() const { return m_fullWidth; }
  double pointX(int i) const;
  // Where sample k of the drawn wave lies.
  double waveX(size_t k) const;

  // Selection and vibrato.
  int selectionStart() const { return m_start; }
  int selectionEnd() const { return m_end; }
  bool selected(int i) const;
  int halfCycles() const { return m_halfCycles; }
  int depthIndex() const { return m_depthIndex; }

  // View: zoom level 1 (closest) to 12, scroll in display units.
  int zoom() const { return m_zoom; }
  void zoomIn();
  void zoomOut();
  // The scroll bar moves 300 display units a step.
  void setScrollStep(int step) { m_scroll = 300.0 * step; }
  double scroll() const { return m_scroll; }
  int scrollMaximum(double viewWidth) const;
  double screenX(double x) const { return x / m_zoom - m_scroll; }
  // Points are drawn as squares only up to zoom level 5.
  bool pointsShown() const { return m_zoom < 6; }
  double pointSize() const { return m_zoom > 2 ? 45 : 75; }
  double zeroLine(double height) const { return (height - kBottomStrip) / 2; }
  double pointTop(int i, double height) const;
  double pointLeft(int i) const { return screenX(pointX(i)); }

  // Pressing a point selects it alone, or with `extend` moves only the
  // selection end to it.
  void pressPoint(int i, bool extend);
  // Dragging a point: its top at `top` twips gives its value.
  void dragPoint(int i, double top, double height);
  // The band between two marker lines (screen twips) selects the points
  // whose squares overlap it; nothing changes when none does.
  void selectBand(double lineA, double lineB);

  // Range commands over the selection (nothing when start equals end).
  void curve();     // S-curve between the two ends
  void straight();  // straight line between the two ends
  void setZero();
  void reset();     // every point to 0
  void vibratoMore();
  void vibratoLess();
  void setDepthIndex(int index);

  // "old data": the old form with one point per 256 samples, or the
  // tempo-based form; the interval stays, values are kept as far as they go.
  void setOldData(bool old);

  // The curve text OK writes.
  std::string curveText() const;

 private:
  void vibrato();
  void resize(double count);
  std::pair<int, int> orderedSelection() const;
  // Sets the selected points between the two ends' values along `shape`,
  // which maps 0..1 (the position between the ends) to 0..1.
  void fillBetweenEnds(const std::function<double(double)>& shape);

  PitchEditorSound m_sound;
  float m_tempo = 120;
  bool m_oldForm = false;
  int m_interval = 256;
  int m_endSample = 0;
  double m_offset = 0;
  double m_fixed = 0;
  double m_preUtterance = 0;
  double m_length = 0;
  double m_fullWidth = 0;
  std::vector<float> m_values;
  int m_start = 0;
  int m_end = 0;
  int m_halfCycles = 0;
  int m_depthIndex = 4;
  int m_zoom = 1;
  double m_scroll = 0;
};

}  // namespace ruvo
