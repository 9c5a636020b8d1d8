#pragma once
// The resampler's command line:
//   IN OUT NOTE VELOCITY FLAGS OFFSET LENGTH [CONSONANT [BLANK
//   [VOLUME [MODULATION [PITCH...]]]]]  (missing CONSONANT and BLANK read 0,
//   missing VOLUME and MODULATION 100)
// All times in ms. The pitch curve arrives split at its spaces into any
// number of trailing arguments.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/error.h"
#include "resampler/flags.h"
#include "resampler/pitch_curve.h"

namespace ruvo::resampler {

struct Request {
  std::string input;
  std::string output;
  std::string noteText;
  std::optional<int> note;   // note number (C4 = 36); none when NOTE is not a note name
  double velocity = 100;     // consonant speed, 100 unchanged
  Flags flags;
  double offsetMs = 0;       // start of the used part of the recording
  double lengthMs = 0;       // length of the output
  double consonantMs = 0;    // part after the offset that is not stretched
  double blankMs = 0;        // >= 0: unused at the end; < 0: the used part is -blank long
  double volume = 100;       // percent; below 0 reads as 0
  double modulation = 100;   // percent of the recording's own pitch movement kept
  PitchCurve curve;
};

// Parses argv without the program name. Numbers must be plain decimal
// numbers (a sign, digits, a point, an exponent), finite, and LENGTH must lie
// in 0..600000 ms; anything else fails with a message naming the argument.
[[nodiscard]] Result<Request> parseCommandLine(std::span<const std::string> args);

}  // namespace ruvo::resampler
