#include "noteprops/plain_decimal.h"

#include <cmath>
#include <cstdio>

#include "core/numbers.h"

namespace ruvo {

std::string plainDecimal(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text(buffer);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

bool isNumberText(const std::string& text) {
  auto number = parseLeadingNumber(text);
  if (!number || !std::isfinite(number->value)) return false;
  size_t end = number->length;
  while (end < text.size() && (text[end] == ' ' || text[end] == '\t')) ++end;
  return end == text.size();
}

}  // namespace ruvo
