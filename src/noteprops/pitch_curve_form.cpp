#include "noteprops/pitch_curve_form.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>

#include "core/numbers.h"
#include "noteprops/pitch_curve_text.h"
#include "voicebank/frq_table.h"
#include "voicebank/wave_samples.h"

namespace ruvo {

namespace {

const double kPi = 4 * std::atan(1.0);
constexpr double kValueStep = 45;  // twips per value unit

// A point count as the editor keeps it: the highest index, 0 to 3048.
int highestIndexOf(double count) {
  if (!std::isfinite(count) || count < 0) return 0;
  return static_cast<int>(std::min<double>(count, kMaxPointIndex));
}

}  // namespace

Result<PitchCurveForm> PitchCurveForm::open(const PitchEditorInput& input) {
  auto recording = readWaveSamples(input.recordingPath);
  if (!recording) return tl::unexpected(recording.error());
  if (recording->samples.empty()) return fail(ErrorCode::BadFormat, input.recordingPath + ": no samples");
  PitchEditorSound sound;
  sound.sampleRate = recording->sampleRate;
  sound.sampleCount = static_cast<int>(std::min<size_t>(recording->samples.size(), INT32_MAX));
  if (auto frq = readFrq(input.recordingPath)) sound.frqFrames = frq->header.frameCount;
  std::error_code error;
  if (!input.cachePath.empty() && std::filesystem::is_regular_file(input.cachePath, error)) {
    if (auto rendering = readWaveSamples(input.cachePath); rendering && !rendering->samples.empty()) {
      sound.wave = std::move(rendering->samples);
      sound.waveIsRendering = true;
    }
  }
  if (!sound.waveIsRendering) sound.wave = std::move(recording->samples);
  return PitchCurveForm(input, std::move(sound));
}

PitchCurveForm::PitchCurveForm(const PitchEditorInput& input, PitchEditorSound sound) : m_sound(std::move(sound)) {
  // A tempo that is no tempo would give no interval; the default stands in.
  m_tempo = std::isfinite(input.tempo) && input.tempo > 0 ? input.tempo : 120.0f;
  const double rate = m_sound.sampleRate > 0 ? m_sound.sampleRate : 44100;
  m_sound.sampleRate = static_cast<int>(rate);
  int tail = static_cast<int>(intFloor(std::max(input.tailMs, 0) / 1000.0 * rate));
  m_endSample = input.tailMs > 0 ? m_sound.sampleCount - tail : m_sound.sampleCount;

  m_oldForm = isOldCurveForm(input.pitches);
  m_interval = m_oldForm ? kSamplesPerUnit
                         : std::max<int>(1, clampToInt32(static_cast<double>(intFloor(0.625 / m_tempo * rate + 0.5))));
  auto units = [rate](double ms) { return ms / 1000.0 * rate * kUnitsPerFrame / kSamplesPerUnit; };
  m_preUtterance = units(input.preUtteranceMs);
  m_offset = units(input.offsetMs);
  m_fixed = units(input.fixedMs);
  m_length = units(std::max(input.lengthMs, 0));
  m_fullWidth = units(1000.0 * static_cast<double>(intFloor((double(input.lengthMs) + input.preUtteranceMs) / 50 + 1.5)) / 20);

  double count = 0;
  if (!m_oldForm) {
    count = static_cast<double>(
        roundHalfEven((m_length + m_preUtterance) / kUnitsPerFrame * kSamplesPerUnit / m_interval + 1));
  } else {
    count = m_sound.frqFrames - 1;
    if (count <= 0) count = static_cast<double>(roundHalfEven(double(m_endSample) / kSamplesPerUnit + 1));
  }
  m_values = curvePointsOf(input.pitches, highestIndexOf(count));
}

double PitchCurveForm::pointX(int i) const {
  if (!m_oldForm) return m_offset + double(i) * m_interval * kUnitsPerFrame / kSamplesPerUnit;
  double x = i * kUnitsPerFrame;
  double boundary = m_offset + m_fixed;
  if (x <= boundary) return x;
  double rest = m_sound.sampleCount * (kUnitsPerFrame / kSamplesPerUnit) - m_offset - m_fixed;
  double stretch = rest > 0 ? std::max(1.0, (m_fullWidth - m_fixed) / rest) : 1.0;
  return boundary + (x - boundary) * stretch;
}

double PitchCurveForm::waveX(size_t k) const {
  return (m_sound.waveIsRendering ? m_offset : 0.0) + double(k) * kUnitsPerFrame / kSamplesPerUnit;
}

bool PitchCurveForm::selected(int i) const {
  auto [low, high] = orderedSelection();
  return i >= low && i <= high;
}

std::pair<int, int> PitchCurveForm::orderedSelection() const { return {std::min(m_start, m_end), std::max(m_start, m_end)}; }

void PitchCurveForm::zoomIn() { m_zoom = std::max(1, m_zoom - 1); }
void PitchCurveForm::zoomOut() { m_zoom = std::min(kMaxZoom, m_zoom + 1); }

int PitchCurveForm::scrollMaximum(double viewWidth) const {
  double beyond = std::max(m_fullWidth, pointX(highestIndex())) / m_zoom - viewWidth;
  if (beyond <= 0) return 0;
  return clampToInt32(std::ceil(beyond / 300.0));
}

double PitchCurveForm::pointTop(int i, double height) const {
  double lift = m_zoom > 2 ? 15 : 30;
  return zeroLine(height) - m_values[static_cast<size_t>(i)] * kValueStep - lift;
}

void PitchCurveForm::pressPoint(int i, bool extend) {
  if (i < 0 || i > highestIndex()) return;
  m_end = i;
  if (!extend) m_start = i;
}

void PitchCurveForm::dragPoint(int i, double top, double height) {
  if (i < 0 || i > highestIndex()) return;
  double lift = m_zoom > 2 ? 15 : 30;
  double value = (zeroLine(height) - lift - top) / kValueStep;
  m_values[static_cast<size_t>(i)] =
      std::isfinite(value) ? static_cast<float>(std::clamp<double>(value, -kPointValueLimit, kPointValueLimit)) : 0.0f;
}

void PitchCurveForm::selectBand(double lineA, double lineB) {
  double left = std::min(lineA, lineB);
  double right = std::max(lineA, lineB);
  int first = -1;
  int last = -1;
  for (int i = 0; i <= highestIndex(); ++i) {
    double edge = pointLeft(i);
    if (edge + 75 >= left && edge <= right) {
      if (first < 0) first = i;
      last = i;
    }
  }
  if (first < 0) return;
  m_start = first;
  m_end = last;
}

void PitchCurveForm::curve() {
  fillBetweenEnds([](double t) { return 0.5 - 0.5 * std::cos(kPi * t); });
}

void PitchCurveForm::straight() {
  fillBetweenEnds([](double t) { return t; });
}

void PitchCurveForm::fillBetweenEnds(const std::function<double(double)>& shape) {
  if (m_start == m_end) return;
  double xa = pointX(m_start), xb = pointX(m_end);
  float va = m_values[size_t(m_start)], vb = m_values[size_t(m_end)];
  if (xa == xb) return;
  auto [low, high] = orderedSelection();
  for (int g = low; g <= high; ++g)
    m_values[size_t(g)] = static_cast<float>(va + (vb - va) * shape((pointX(g) - xa) / (xb - xa)));
}

void PitchCurveForm::setZero() {
  if (m_start == m_end) return;
  auto [low, high] = orderedSelection();
  std::fill(m_values.begin() + low, m_values.begin() + high + 1, 0.0f);
}

void PitchCurveForm::reset() { std::fill(m_values.begin(), m_values.end(), 0.0f); }

void PitchCurveForm::vibratoMore() {
  ++m_halfCycles;
  vibrato();
}

void PitchCurveForm::vibratoLess() {
  --m_halfCycles;
  vibrato();
}

void PitchCurveForm::setDepthIndex(int index) {
  m_depthIndex = std::clamp(index, 0, kDepthChoices - 1);
  vibrato();
}

void PitchCurveForm::vibrato() {
  if (m_start == m_end) return;
  if (m_end < m_start) std::swap(m_start, m_end);
  int n = m_end - m_start;
  if (m_halfCycles > n) m_halfCycles = 0;
  if (m_halfCycles < 0) m_halfCycles = n;
  double x0 = pointX(m_start);
  double w = pointX(m_end) - x0;
  if (w == 0) return;
  double depth = m_depthIndex + 1;
  for (int g = m_start; g <= m_end; ++g) {
    double p = kPi * m_halfCycles * (pointX(g) - x0) / w;
    m_values[size_t(g)] = static_cast<float>(m_halfCycles != n ? depth * std::sin(p) : depth * std::cos(p));
  }
}

void PitchCurveForm::setOldData(bool old) {
  m_oldForm = old;
  if (old) {
    resize(static_cast<double>(roundHalfEven(double(m_endSample) / kSamplesPerUnit)));
  } else {
    resize(static_cast<double>(roundHalfEven(m_length / kUnitsPerFrame + 0.5)));
  }
}

void PitchCurveForm::resize(double count) {
  m_values.resize(static_cast<size_t>(highestIndexOf(count)) + 1, 0.0f);
  int last = highestIndex();
  m_start = std::min(m_start, last);
  m_end = std::min(m_end, last);
}

std::string PitchCurveForm::curveText() const { return curveTextOf(m_values, m_oldForm, m_tempo); }

}  // namespace ruvo
