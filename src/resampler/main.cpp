// resampler: re-pitches and stretches one recording of a voice bank to a
// note, and makes the recording's frequency table on the way.

#include <malloc.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/program_info.h"
#include "resampler/command_line.h"
#include "resampler/render_note.h"

namespace {

constexpr std::string_view kHelp = R"(usage: resampler IN OUT NOTE VELOCITY FLAGS OFFSET LENGTH [CONSONANT [BLANK
                 [VOLUME [MODULATION [PITCH...]]]]]

Re-pitches and stretches one recording of a voice bank to a note. Reads the
WAV IN from OFFSET ms, keeps CONSONANT ms unstretched (at VELOCITY percent
speed, 100 unchanged), leaves BLANK ms unused at the end (a negative BLANK is
the length of the used part), and writes OUT, LENGTH ms long, sung at NOTE
(a note name such as C4 or A#3) with VOLUME and MODULATION in percent
(missing: 100) and the pitch curve PITCH. FLAGS is a run of letters, each
with an optional number: G makes the recording's frequency table anew, N
lets the formants move with the pitch, B0..100 sets the breathiness (50
unchanged), g-100..100 the gender (formant shift, 0 unchanged); other
letters are ignored. The frequency table is made when it is missing.

Options:
  --help     show this text.
  --version  show the version.

Exit status 0 when OUT was written; 1 when the recording could not be
rendered; 2 a usage error. Errors are one line on stderr.
)";

}  // namespace

int main(int argc, char** argv) {
  // A note's buffers (a few hundred kilobytes each) come and go stage by
  // stage; kept on the heap rather than mapped and unmapped one by one, a
  // freed buffer serves the next stage without fresh pages from the kernel.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (auto answered = ruvo::answerInfoRequest(args, "resampler", kHelp, std::cout)) return *answered;
  auto request = ruvo::resampler::parseCommandLine(args);
  if (!request) {
    std::fprintf(stderr, "resampler: error: %s\n", request.error().message.c_str());
    return 2;
  }
  auto report = ruvo::resampler::renderNote(*request);
  if (!report) {
    std::fprintf(stderr, "resampler: error: %s\n", report.error().message.c_str());
    return 1;
  }
  if (!report->notice.empty()) std::fprintf(stderr, "resampler: %s\n", report->notice.c_str());
  return 0;
}
