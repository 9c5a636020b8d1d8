// resampler: re-pitches and stretches one recording of a voice bank to a
// note, and makes the recording's frequency table on the way.

#include <cstdio>
#include <string>
#include <vector>

#include "resampler/command_line.h"
#include "resampler/render_note.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
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
