#pragma once
// The number rules every file format of ruvo shares. Nothing else in the
// code base re-implements them:
//  - intFloor: integer part toward minus infinity (Int(-1.5) is -2);
//  - roundHalfEven: nearest integer, ties to the even one (2.5 -> 2);
//  - leadingNumber: the longest leading decimal number of a text, "" or no
//    number reading as 0 ("12.5ms" -> 12.5, "x" -> 0);
//  - shortestFloat: the shortest decimal text that reads back as the same
//    single-precision value (132.5, 0.1, 120);
//  - fixed3 / fixed2 / fixed8: "0.000", "0.00" and "0.00000000" forms.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

int64_t intFloor(double value);
int64_t roundHalfEven(double value);

// Longest leading decimal number, after leading blanks; 0 when there is none.
double leadingNumber(std::string_view text);

// Like leadingNumber, but tells whether a number was there at all and how
// many characters it took (blanks included).
struct ParsedNumber {
  double value = 0;
  size_t length = 0;
};
std::optional<ParsedNumber> parseLeadingNumber(std::string_view text);

// "&H" followed by hexadecimal digits, else the decimal leading number.
double leadingNumberOrHex(std::string_view text);

std::string shortestFloat(float value);
std::string fixed3(double value);
std::string fixed2(double value);
std::string fixed8(double value);

// Clamps a double into the int32 range before conversion, so that huge or
// non-finite values from damaged files never invoke undefined behaviour.
int32_t clampToInt32(double value);

}  // namespace ruvo
