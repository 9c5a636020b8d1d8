#pragma once
// The tone map of the tone-module export: which program of the module sings
// which syllable. Read from "songtm.cfg" in the program folder; each line
// holds TAB-separated fields, field 0 the program and field 2 the syllable.

#include <string>
#include <string_view>
#include <vector>

namespace ruvo {

constexpr std::string_view kToneMapFileName = "songtm.cfg";

struct ToneMapEntry {
  int program = 0;
  std::string syllable;
};

struct ToneMap {
  std::vector<ToneMapEntry> entries;  // in file order
  // The program of the last entry whose syllable begins with the lyric; 0
  // when none does.
  int programFor(std::string_view lyric) const;
};

// Lines with fewer than three fields are left out; a missing or unreadable
// file gives the empty map (every note then selects program 0).
ToneMap loadToneMap(const std::string& programFolder);

}  // namespace ruvo
