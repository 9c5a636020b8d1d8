#include "voicebank/sample_editor_model.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace ruvo {
namespace {

constexpr double kPositionRate = 44100.0;
constexpr size_t kFrameStep = 4;  // the waveform shows every fourth frame
constexpr double kTwipsPerPixel = 15.0;

}  // namespace

float msToPosition(double ms) { return static_cast<float>(ms * 0.001 * kPositionRate); }
double positionToMs(double position) { return position * 1000.0 / kPositionRate; }

SampleEditorModel::SampleEditorModel(WaveSamples wave, SampleTimes times)
    : m_samples(std::move(wave.samples)),
      m_rateFactor(wave.sampleRate > 0 ? kPositionRate / wave.sampleRate : 1.0),
      m_total(static_cast<float>(static_cast<double>(m_samples.size()) * m_rateFactor)),
      m_offset(msToPosition(times.offset)),
      m_consonant(msToPosition(times.consonant)),
      m_blank(msToPosition(times.blank)),
      m_preUtterance(msToPosition(times.preUtterance)) {}

float SampleEditorModel::position(SampleHandle handle) const {
  switch (handle) {
    case SampleHandle::Offset: return m_offset;
    case SampleHandle::Consonant: return m_consonant;
    case SampleHandle::Blank: return m_blank;
    case SampleHandle::PreUtterance: break;
  }
  return m_preUtterance;
}

bool SampleEditorModel::zoomIn() {
  if (m_zoom <= kMinZoom) return false;
  --m_zoom;
  return true;
}

bool SampleEditorModel::zoomOut() {
  if (m_zoom >= kMaxZoom) return false;
  ++m_zoom;
  return true;
}

int SampleEditorModel::scrollMaximum(double width) const {
  const double shown = m_total / m_zoom;
  if (shown <= width) return 0;
  return clampToInt32(static_cast<double>(roundHalfEven((shown - width) / kTwipsPerScrollStep)));
}

WaveformPlan SampleEditorModel::plan(double width, double height, double centre) const {
  const double z = m_zoom;
  const double s = m_scroll;
  const double xOffset = m_offset / z - s;
  const double xPre = m_preUtterance / z + xOffset;
  const double xConsonant = m_consonant / z + xOffset;
  const double xEnd = m_total / z - s;
  const double xBlank = xEnd - m_blank / z;

  WaveformPlan plan;
  auto region = [](double a, double b, uint8_t r, uint8_t g, uint8_t bl) {
    return WaveformPlan::Region{std::min(a, b), std::max(a, b), r, g, bl};
  };
  plan.regions = {region(-s, xOffset, 192, 192, 255), region(xOffset, xConsonant, 255, 192, 255),
                  region(xConsonant, xBlank, 255, 255, 255), region(xBlank, xEnd, 192, 192, 255),
                  region(xEnd, width, 192, 192, 192)};

  // Only the frames inside the view are visited, and one point per pixel
  // is kept, so a redraw costs the view's width, not the recording's length.
  plan.wave.push_back({0, centre});
  int64_t lastPixel = 0;
  const double step = m_rateFactor / z;  // twips per frame
  size_t first = 0;
  if (s > 0) first = static_cast<size_t>(std::max(0.0, std::floor(s / step))) / kFrameStep * kFrameStep;
  for (size_t frame = first; frame < m_samples.size(); frame += kFrameStep) {
    const double x = static_cast<double>(frame) * step - s;
    if (x >= width) break;
    if (x <= 0) continue;
    const int64_t pixel = intFloor(x / kTwipsPerPixel);
    if (pixel == lastPixel) continue;
    lastPixel = pixel;
    plan.wave.push_back({x, centre - m_samples[frame] * height / 65536.0});
  }

  plan.preUtteranceX = xPre;
  plan.centreY = centre;
  plan.handleLefts = {xOffset - kHandleInset, xConsonant - kHandleInset, xBlank - kHandleInset,
                      xPre - kHandleInset};
  plan.labelMs = {intFloor(positionToMs(m_offset)), intFloor(positionToMs(m_consonant)),
                  intFloor(positionToMs(m_blank))};
  return plan;
}

void SampleEditorModel::drop(SampleHandle handle, double x) {
  const float p = static_cast<float>((x + m_scroll) * m_zoom);
  switch (handle) {
    case SampleHandle::Offset:
      m_offset = std::max(p, 0.0f);
      break;
    case SampleHandle::Consonant:
      m_consonant = std::max(p - m_offset, 0.0f);
      break;
    case SampleHandle::Blank:
      m_blank = std::max(m_total - p, 0.0f);
      m_blank = std::min(m_blank, m_total - m_consonant - m_offset);
      break;
    case SampleHandle::PreUtterance:
      m_preUtterance = std::max(p - m_offset, 0.0f);
      m_preUtterance = std::min(m_preUtterance, m_total - m_offset - m_blank);
      break;
  }
}

SampleTimes SampleEditorModel::result() const {
  auto ms = [](float position) { return clampToInt32(static_cast<double>(roundHalfEven(positionToMs(position)))); };
  return {ms(m_offset), ms(m_consonant), ms(m_blank), ms(m_preUtterance)};
}

}  // namespace ruvo
