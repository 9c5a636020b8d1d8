#pragma once
// The chunk layout of a Standard MIDI File: the header values and the data of
// each track chunk. Format 0 and 1 are read; format 2 (independent patterns)
// is refused. Chunks of other kinds are skipped as MIDI asks; a track chunk
// whose length runs past the end of the file keeps what is there.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"

namespace ruvo {

struct SmfLayout {
  uint16_t format = 0;
  uint16_t trackCount = 0;     // as the header states it
  uint16_t division = 0;       // ticks per quarter note (high bit: SMPTE time)
  std::vector<std::string_view> tracks;  // event data of the track chunks found, in order (at most trackCount)
};

// The message every refusal of a MIDI-type file is shown with.
constexpr std::string_view kBadFileFormat = "ファイル形式が正しくありません。";

// Refuses (BadFormat, message kBadFileFormat) a file that does not start
// with an "MThd" chunk of at least six bytes, or whose format is 2 or more.
// The views point into `bytes`, which must outlive the layout.
[[nodiscard]] Result<SmfLayout> parseSmf(std::string_view bytes);
// The layout would point into a temporary.
Result<SmfLayout> parseSmf(std::string&& bytes) = delete;

// Ticks per quarter note usable for timing: nothing for 0 and SMPTE divisions.
bool hasMetricalDivision(const SmfLayout& layout);

}  // namespace ruvo
