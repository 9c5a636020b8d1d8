#pragma once
// Numbers written as plain decimals, never in exponent form: lengths shown in
// the property dialog and the values of a pitch curve text.

#include <string>

namespace ruvo {

// At most `decimals` digits after the point, trailing zeros and a trailing
// point dropped ("250.25", "120", "-0.5"); a negative zero is written "0".
std::string plainDecimal(double value, int decimals = 6);

// True when the whole text, blanks around it aside, is one decimal number.
bool isNumberText(const std::string& text);

}  // namespace ruvo
