#include "resampler/recording_pitch.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "resampler/constants.h"
#include "resampler/pitch_analysis.h"

namespace ruvo::resampler {

FrqTable tableFromTrack(std::span<const double> f0, std::span<const double> rms) {
  const size_t frames = std::clamp<size_t>(f0.size(), 1, static_cast<size_t>(kFrqMaxFrames));
  FrqTable table;
  table.header.identifier.assign(kTableIdentifier, 8);
  table.header.field8 = kFrameSamples;
  table.header.frameCount = static_cast<int32_t>(frames);
  table.values.assign(2 * frames, 0.0);
  double sum = 0;
  size_t voiced = 0;
  for (size_t i = 0; i < frames; ++i) {
    const double value = i < f0.size() ? f0[i] : 0.0;
    table.values[2 * i] = value > 0 ? value : kNoPitch;
    table.values[2 * i + 1] = i < rms.size() ? rms[i] : 0.0;
    if (value > 0) {
      sum += value;
      ++voiced;
    }
  }
  table.header.average = voiced > 0 ? sum / static_cast<double>(voiced) : kNoPitch;
  return table;
}

std::vector<double> framesFromTable(const FrqTable& table, size_t frameCount) {
  std::vector<double> f0(frameCount, 0.0);
  const size_t available = table.values.size() / 2;
  if (available == 0) return f0;
  for (size_t i = 0; i < frameCount; ++i) {
    const double value = table.values[2 * std::min(i, available - 1)];
    const bool usable = std::isfinite(value) && value != kNoPitch && value >= kMinF0 / 2 && value <= kMaxF0 * 2;
    f0[i] = usable ? value : 0.0;
  }
  return f0;
}

RecordingPitch recordingPitch(const std::string& recordingPath, std::span<const float> samples, bool regenerate) {
  RecordingPitch result;
  const size_t frames = frameCountOf(samples.size());
  if (!regenerate) {
    if (auto table = readFrq(recordingPath)) {
      result.f0 = framesFromTable(*table, frames);
      result.fromTable = true;
      return result;
    }
  }
  const PitchTrack track = analysePitch(samples);
  result.f0 = track.f0;
  if (auto written = writeFrq(tableFromTrack(track.f0, track.rms), recordingPath); !written)
    result.tableNote = written.error().message;
  return result;
}

}  // namespace ruvo::resampler
