#include "resampler/time_map.h"

#include <algorithm>
#include <cmath>

#include "resampler/constants.h"

namespace ruvo::resampler {

namespace {
double msToSamples(double ms) { return ms * kSampleRate / 1000.0; }
}  // namespace

TimeMap::TimeMap(const TimeMapInput& input) {
  const double total = static_cast<double>(input.recordingSamples);
  // Positions past the recording are clamped so that bad timing values from
  // a voice-bank table still yield sound from the recording's end.
  const double last = std::max(0.0, total - 1);
  m_start = std::clamp(msToSamples(input.offsetMs), 0.0, last);
  const double end = input.blankMs >= 0 ? total - msToSamples(input.blankMs) : m_start + msToSamples(-input.blankMs);
  m_end = std::clamp(end, std::min(m_start + 1, total), total);
  m_consonantIn = std::clamp(msToSamples(input.consonantMs), 0.0, m_end - m_start);
  const double speed = std::pow(2.0, std::clamp(1.0 - input.velocity / 100.0, -8.0, 8.0));
  m_consonantOut = m_consonantIn * speed;
  const double restOut = static_cast<double>(input.outputSamples) - m_consonantOut;
  const double restIn = m_end - m_start - m_consonantIn;
  m_restRate = restOut > 0 ? restIn / restOut : 1.0;
}

// A consonant of no length has no part of the map: positions before the
// note (a level window reaching back) follow the rest's rate instead of 0/0.
double TimeMap::sourceAt(double outputPosition) const {
  if (outputPosition < m_consonantOut && m_consonantOut > 0) return m_start + outputPosition * m_consonantIn / m_consonantOut;
  return std::min(m_end, m_start + m_consonantIn + (outputPosition - m_consonantOut) * m_restRate);
}

double TimeMap::rateAt(double outputPosition) const {
  if (outputPosition < m_consonantOut && m_consonantOut > 0) return m_consonantIn / m_consonantOut;
  return m_restRate;
}

}  // namespace ruvo::resampler
