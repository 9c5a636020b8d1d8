#pragma once
// Turns pitch-bend events into the resampler's pitch-curve text.

#include <cstdint>
#include <string>
#include <vector>

namespace ruvo {

struct BendPoint {
  int64_t tick = 0;  // file ticks from the start of the note
  int value = 0;     // bend - 8192: -8192..8191
};

// Samples the bends every 1/96 quarter note (point j at j/96 quarter): each
// point takes the last bend at or before it, in cents (value x 100 x range /
// 8192, cut to two decimals and written as a plain number: 0, 199.97, -200;
// 0 before the first bend). The text is the first point, "Q", the tempo as
// "0.00", then a space and each further point; the points run until every
// bend has been passed, then the last value follows twice more. Fewer than two bends give the empty text. At most
// kMaxCurvePoints points are produced, so a damaged file cannot blow it up.
std::string bendsToPitchCurve(std::vector<BendPoint> bends, int division, int rangeSemitones, double tempo);

constexpr int64_t kMaxCurvePoints = 100000;

}  // namespace ruvo
