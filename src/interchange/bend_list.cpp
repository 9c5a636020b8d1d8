#include "interchange/bend_list.h"

#include <algorithm>
#include <cstdlib>

#include "core/numbers.h"

namespace ruvo {

namespace {
// Hundredths of a cent cut toward zero, written as a plain number: no
// decimals when whole, no trailing zero (0, 50.5, 199.97, -200).
std::string centsText(int64_t hundredths) {
  std::string text = hundredths < 0 ? "-" : "";
  const int64_t magnitude = std::llabs(hundredths);
  text += std::to_string(magnitude / 100);
  const int64_t fraction = magnitude % 100;
  if (fraction != 0) {
    text += '.';
    text += static_cast<char>('0' + fraction / 10);
    if (fraction % 10 != 0) text += static_cast<char>('0' + fraction % 10);
  }
  return text;
}
}  // namespace

std::string bendsToPitchCurve(std::vector<BendPoint> bends, int division, int rangeSemitones, double tempo) {
  if (bends.size() < 2 || division <= 0) return {};
  std::stable_sort(bends.begin(), bends.end(), [](const BendPoint& a, const BendPoint& b) { return a.tick < b.tick; });
  auto hundredthsOf = [&](int value) { return int64_t{value} * rangeSemitones * 10000 / 8192; };

  std::string curve;
  size_t passed = 0;
  int64_t last = 0;
  for (int64_t point = 0; point < kMaxCurvePoints; ++point) {
    while (passed < bends.size() && bends[passed].tick * 96 <= point * division) ++passed;
    last = passed > 0 ? hundredthsOf(bends[passed - 1].value) : 0;
    if (point == 0) {
      curve = centsText(last) + "Q" + fixed2(tempo);
    } else {
      curve += ' ';
      curve += centsText(last);
    }
    if (passed == bends.size()) break;
  }
  for (int i = 0; i < 2; ++i) {
    curve += ' ';
    curve += centsText(last);
  }
  return curve;
}

}  // namespace ruvo
