#pragma once
// Where in the recording each output sample comes from. The used part of
// the recording starts at the offset; its first CONSONANT ms are played at
// the consonant speed (2^(1 - velocity / 100) times as long, so unchanged at
// velocity 100), and the rest of the used part is stretched or squeezed
// evenly to fill the output after that.

#include <cstddef>

namespace ruvo::resampler {

struct TimeMapInput {
  size_t recordingSamples = 0;
  size_t outputSamples = 0;
  double offsetMs = 0;
  double consonantMs = 0;
  double blankMs = 0;       // >= 0: unused at the end; < 0: used part is -blank long
  double velocity = 100;
};

class TimeMap {
 public:
  explicit TimeMap(const TimeMapInput& input);

  // Recording position (samples) of an output position (samples).
  double sourceAt(double outputPosition) const;
  // Recording samples per output sample at an output position (1 = as
  // recorded, below 1 = stretched).
  double rateAt(double outputPosition) const;

  double usedStart() const { return m_start; }
  double usedEnd() const { return m_end; }
  double consonantOutputSamples() const { return m_consonantOut; }

 private:
  double m_start = 0;         // recording samples
  double m_end = 0;           // recording samples, > m_start when the recording is not empty
  double m_consonantIn = 0;   // recording samples of the consonant
  double m_consonantOut = 0;  // output samples of the consonant
  double m_restRate = 1;      // recording samples per output sample after the consonant
};

}  // namespace ruvo::resampler
