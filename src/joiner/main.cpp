// splicer: appends one enveloped note to "<outfile>.whd" + "<outfile>.dat".

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/program_info.h"
#include "joiner/splice_call.h"

namespace {

constexpr std::string_view kHelp = R"(usage: splicer OUTFILE INFILE OFFSET LENGTH P1 P2 [P3 V1 V2 V3 V4 [OVR]]

Appends one note to the output being joined: reads the 16-bit WAV INFILE
(a note made by the resampler), cuts it at OFFSET for LENGTH ms, shapes its
volume with the envelope P1..P3 (ms) and V1..V4 (percent), overlaps it OVR
ms with the note before, and appends the samples to OUTFILE.dat and the
header to OUTFILE.whd. A render script starts it once per note; joining the
two files gives the WAV.

Options:
  --help     show this text.
  --version  show the version.

The console texts are those render scripts expect, in Japanese where they
always were. Exit status 0 when the note was appended.
)";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (auto answered = ruvo::answerInfoRequest(words, "splicer", kHelp, std::cout)) return *answered;
  const std::vector<std::string_view> args(words.begin(), words.end());
  const auto outcome = ruvo::joiner::runSplice(args);
  std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
  std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
  return outcome.exitStatus;
}
