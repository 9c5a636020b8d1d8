#include "noteprops/pitch_curve_text.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "noteprops/plain_decimal.h"

namespace ruvo {

namespace {

float sane(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<float>(std::clamp(value, -double(kPointValueLimit), double(kPointValueLimit)));
}

// floor(value x 1000) / 100, the product taken in single precision like the
// values themselves so that 0.7 writes as 7 and not 6.99.
std::string storedValue(float value) {
  float scaled = sane(value) * 1000.0f;
  return plainDecimal(std::floor(scaled) / 100.0, 2);
}

}  // namespace

bool isOldCurveForm(std::string_view text) {
  if (text.empty()) return false;
  std::string_view first = text.substr(0, text.find(' '));
  return first.find('P') == std::string_view::npos && first.find('Q') == std::string_view::npos;
}

std::vector<float> curvePointsOf(std::string_view text, int highestIndex) {
  std::vector<float> values(static_cast<size_t>(std::max(highestIndex, -1) + 1), 0.0f);
  if (text.empty()) return values;
  size_t start = 0;
  for (size_t i = 0; i < values.size(); ++i) {
    size_t end = text.find(' ', start);
    values[i] = sane(leadingNumber(text.substr(start, end - start)) / 10.0);
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return values;
}

std::string curveTextOf(const std::vector<float>& values, bool oldForm, float tempo) {
  if (values.empty()) return "";
  auto last = std::find_if(values.rbegin(), values.rend(), [](float v) { return storedValue(v) != "0"; });
  if (last == values.rend()) return "";
  std::string text = storedValue(values[0]);
  if (!oldForm) text += "Q" + shortestFloat(tempo);
  size_t end = static_cast<size_t>(values.rend() - last);
  for (size_t i = 1; i < end; ++i) text += " " + storedValue(values[i]);
  return text;
}

}  // namespace ruvo
