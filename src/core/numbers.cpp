#include "core/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace ruvo {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int64_t clampToInt64(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lo = -9.2e18;
  constexpr double hi = 9.2e18;
  if (value < lo) return static_cast<int64_t>(lo);
  if (value > hi) return static_cast<int64_t>(hi);
  return static_cast<int64_t>(value);
}
}  // namespace

int64_t intFloor(double value) { return clampToInt64(std::floor(value)); }

int64_t roundHalfEven(double value) { return clampToInt64(std::nearbyint(value)); }

std::optional<ParsedNumber> parseLeadingNumber(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // from_chars would also take "inf" and "nan"; a number must start with a
  // digit or a decimal point followed by a digit.
  if (pos >= text.size()) return std::nullopt;
  if (!isDigit(text[pos]) &&
      !(text[pos] == '.' && pos + 1 < text.size() && isDigit(text[pos + 1])))
    return std::nullopt;
  double magnitude = 0;
  const char* first = text.data() + pos;
  auto [end, ec] = std::from_chars(first, text.data() + text.size(), magnitude,
                                   std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    magnitude = std::numeric_limits<double>::infinity();
  } else if (ec != std::errc()) {
    return std::nullopt;
  }
  return ParsedNumber{negative ? -magnitude : magnitude,
                      static_cast<size_t>(end - text.data())};
}

double leadingNumber(std::string_view text) {
  auto parsed = parseLeadingNumber(text);
  return parsed ? parsed->value : 0.0;
}

double leadingNumberOrHex(std::string_view text) {
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  if (text.size() >= pos + 2 && text[pos] == '&' && (text[pos + 1] == 'H' || text[pos + 1] == 'h')) {
    uint64_t value = 0;
    const char* first = text.data() + pos + 2;
    if (std::from_chars(first, text.data() + text.size(), value, 16).ec != std::errc()) return 0;
    return static_cast<double>(value);
  }
  return leadingNumber(text);
}

std::string shortestFloat(float value) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (ec != std::errc()) return "0";
  return std::string(buffer, end);
}

std::string fixed3(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.3f", value);
  return buffer;
}

std::string fixed2(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

std::string fixed8(double value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.8f", value);
  return buffer;
}

int32_t clampToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value <= static_cast<double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  if (value >= static_cast<double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

}  // namespace ruvo
