#pragma once
// Resampler flags: letters, each followed by an optional signed number.
//   G       make the frequency table anew even when one exists
//   N       no formant preservation: the spectral envelope moves with the pitch
//   B0..100 breathiness, 50 unchanged ("B" alone reads as B0): scales the aperiodic part of voiced
//           sound (0 removes it, 100 doubles it)
//   g-100..100  gender: formant shift, 0 unchanged; positive lowers the
//           formants (a deeper, larger voice), negative raises them, up to
//           4 semitones at the extremes
// Every other letter (such as the "L" a render appends) is accepted and
// ignored, and so is any other character. Numbers past a range are clamped.

#include <string_view>

namespace ruvo::resampler {

struct Flags {
  bool regenerateTable = false;
  bool keepFormants = true;
  double breathiness = 50;  // 0..100
  double gender = 0;        // -100..100
};

Flags parseFlags(std::string_view text);

}  // namespace ruvo::resampler
