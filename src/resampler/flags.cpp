#include "resampler/flags.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace ruvo::resampler {

namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

Flags parseFlags(std::string_view text) {
  Flags flags;
  size_t pos = 0;
  while (pos < text.size()) {
    const char letter = text[pos++];
    if (!isLetter(letter)) continue;
    std::optional<double> number;
    // Only a sign or digit may start a flag's number: "N.5" is N then junk.
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-' || (text[pos] >= '0' && text[pos] <= '9'))) {
      if (auto parsed = parseLeadingNumber(text.substr(pos))) {
        if (!std::isnan(parsed->value)) number = parsed->value;
        pos += parsed->length;
      } else {
        ++pos;
      }
    }
    switch (letter) {
      case 'G': flags.regenerateTable = true; break;
      case 'N': flags.keepFormants = false; break;
      case 'B': flags.breathiness = std::clamp(number.value_or(0.0), 0.0, 100.0); break;
      case 'g': flags.gender = std::clamp(number.value_or(0.0), -100.0, 100.0); break;
      default: break;
    }
  }
  return flags;
}

}  // namespace ruvo::resampler
