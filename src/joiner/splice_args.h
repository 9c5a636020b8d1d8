#pragma once
// The splicer command line:
//   outfile infile offset length p1 p2 [p3 v1 v2 v3 v4 [ovr]]
// The form depends on the argument count N: 6 to 10 is the short form
// (only offset, length, p1, p2 are read), 11 the long form, 12 or more the
// long form with an overlap; arguments past the twelfth are ignored.
// Times are milliseconds, volumes percent.

#include <span>
#include <string>
#include <string_view>

#include "core/error.h"

namespace ruvo::joiner {

struct SpliceArgs {
  std::string outBase;  // ".whd" and ".dat" are appended to it
  std::string inPath;
  bool longForm = false;
  double offset = 0;
  double length = 0;
  double p1 = 0;
  double p2 = 0;
  double p3 = 0;
  double v1 = 100;
  double v2 = 100;
  double v3 = 0;
  double v4 = 0;
  double ovr = 0;
};

// Reads a number as a "%lf" conversion would: leading white space skipped,
// the longest leading decimal number taken. Text with no number gives
// fallback. A number too large for a double reads as infinity.
double readArgNumber(std::string_view text, double fallback);

// args excludes the program name. Fewer than six arguments is an error
// whose message is the usage line. Required numbers that do not parse read
// as 0, optional ones keep their defaults.
[[nodiscard]] Result<SpliceArgs> parseSpliceArgs(std::span<const std::string_view> args);

}  // namespace ruvo::joiner
