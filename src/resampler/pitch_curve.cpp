#include "resampler/pitch_curve.h"

#include <cmath>

#include "core/numbers.h"
#include "resampler/constants.h"

namespace ruvo::resampler {

namespace {

constexpr double kDefaultTempo = 120.0;

double tempoOf(const std::string& first) {
  size_t marker = first.find('Q');
  if (marker == std::string::npos) marker = first.find('P');
  const double tempo = leadingNumber(std::string_view(first).substr(marker + 1));
  return std::isfinite(tempo) && tempo > 0 ? tempo : kDefaultTempo;
}

double finiteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

}  // namespace

PitchCurve parsePitchCurve(std::span<const std::string> words) {
  PitchCurve curve;
  std::vector<std::string> values;
  for (const std::string& word : words) {
    // The text may also arrive as one argument with its spaces kept.
    size_t start = 0;
    while (start < word.size()) {
      size_t end = word.find(' ', start);
      if (end == std::string::npos) end = word.size();
      if (end > start) values.push_back(word.substr(start, end - start));
      start = end + 1;
    }
  }
  if (values.empty()) {
    curve.interval = static_cast<double>(intFloor(0.625 / kDefaultTempo * kSampleRate + 0.5));
    return curve;
  }
  const std::string& first = values.front();
  curve.tempoForm = first.find('Q') != std::string::npos || first.find('P') != std::string::npos;
  curve.interval = curve.tempoForm ? static_cast<double>(intFloor(0.625 / tempoOf(first) * kSampleRate + 0.5))
                                   : static_cast<double>(kFrameSamples);
  if (curve.interval < 1) curve.interval = 1;
  for (const std::string& value : values) curve.cents.push_back(finiteOrZero(leadingNumber(value)));
  return curve;
}

double PitchCurve::centsAt(double position) const {
  if (cents.empty()) return 0;
  const double point = position / interval;
  if (!(point > 0)) return cents.front();
  const double last = static_cast<double>(cents.size() - 1);
  if (point >= last) return cents.back();
  const auto index = static_cast<size_t>(point);
  const double fraction = point - static_cast<double>(index);
  return cents[index] + (cents[index + 1] - cents[index]) * fraction;
}

}  // namespace ruvo::resampler
