#pragma once
// Scanning a track for what other tracks need: its tempo events, its text
// events, its name, and a trace of NRPN data entries.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo {

struct TempoEntry {
  int64_t tick = 0;               // absolute, in the file's ticks
  uint32_t microsPerQuarter = 0;  // never 0
  double bpm() const { return 60000000.0 / microsPerQuarter; }
};

struct TrackScan {
  std::vector<TempoEntry> tempos;   // appended in file order
  std::vector<std::string> texts;   // text events (meta 1), raw CP932 bytes
  std::string trackName;            // last track-name event (meta 3), UTF-8
  std::vector<std::string> trace;   // one line per NRPN data entry
};

// Scans one track chunk's events up to its end-of-track event or the end of
// its data, appending tempo entries, texts and trace lines to `into` and
// setting its track name (cleared first). Tempo events of fewer than three
// bytes or of 0 microseconds are ignored.
void scanTrack(std::string_view trackData, TrackScan& into);

// Appends the trace lines to the trace file (CR LF line ends). A file that
// cannot be opened is passed over: the trace never stops a read.
void appendTrace(const std::string& tracePath, const std::vector<std::string>& lines);

// The tempo event's value, or 0 when the event is too short to hold one.
uint32_t tempoOfMeta(std::string_view data);

}  // namespace ruvo
