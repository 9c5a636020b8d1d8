#pragma once
// One splicer call: reads the input recording, cuts and shapes the note,
// mixes its head over the tail of the output so far and appends it to
// "<outfile>.dat", keeping the sizes in "<outfile>.whd" current, so that the
// header file followed by the data file is a valid WAV after every call.
// Nothing is kept between calls but these two files.

#include <span>
#include <string>
#include <string_view>

namespace ruvo::joiner {

// The output files could not be written: the call failed after its checks.
constexpr int kWriteFailedStatus = 1;

struct SpliceOutcome {
  int exitStatus = 0;  // 0; -1 on a usage, parameter or input format error; kWriteFailedStatus
  std::string out;     // standard output: each message followed by one more "\n"
  std::string err;     // standard error: "splicer: error: ..." lines
};

// args excludes the program name. Paths may hold Windows backslashes; they
// are read as separators.
SpliceOutcome runSplice(std::span<const std::string_view> args);

}  // namespace ruvo::joiner
