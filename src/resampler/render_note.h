#pragma once
// One resampler run: read the recording, find its pitch (table or
// analysis), and write the note.

#include <string>

#include "core/error.h"
#include "resampler/command_line.h"

namespace ruvo::resampler {

struct RenderReport {
  bool outputWritten = false;
  std::string notice;  // a line worth showing even though the run succeeded
};

// Fails (without creating the output) when the recording cannot be read or
// the output cannot be written. When the note is not a note name, only the
// frequency table is made (or kept) and no output is written.
[[nodiscard]] Result<RenderReport> renderNote(const Request& request);

}  // namespace ruvo::resampler
