#pragma once
// The global settings record: registered voice banks, tool paths for new
// projects, recent projects, the cache policy, editor colours and a few
// interface switches. It lives for the whole run; settings_file reads and
// writes it as setting.ini.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ruvo {

// The editor colours, in the order setting.ini lists them. A colour is
// red + 256 * green + 65536 * blue (hexadecimal BBGGRR).
enum class Colour {
  Piano1, Piano2, Roll1, Roll2, Sepa1, Sepa2, Back, Fore, Shadow,
  NoteNor, NoteTop, NoteSel, NoteRnor, NoteRtop, NoteRsel,
};
constexpr size_t kColourCount = 15;

struct ColourSetting {
  const char* key;
  int32_t defaultValue;
};

inline constexpr std::array<ColourSetting, kColourCount> kColourSettings = {{
    {"COLOR_PIANO1", 0xFFFFFF},
    {"COLOR_PIANO2", 0x404040},
    {"COLOR_ROLL1", 0xFFFFFF},
    {"COLOR_ROLL2", 0xE0E0E0},
    {"COLOR_SEPA1", 0xFF40FF},
    {"COLOR_SEPA2", 0xFF8080},
    {"COLOR_BACK", 0xFFFFFF},
    {"COLOR_FORE", 0x0},
    {"COLOR_SHADOW", 0x808080},
    {"COLOR_NOTE_NOR", 0xFFC000},
    {"COLOR_NOTE_TOP", 0xFF80FF},
    {"COLOR_NOTE_SEL", 0xFF40FF},
    {"COLOR_NOTE_RNOR", 0xFFFFFF},
    {"COLOR_NOTE_RTOP", 0xC0C0C0},
    {"COLOR_NOTE_RSEL", 0x808080},
}};

std::array<int32_t, kColourCount> defaultColours();

struct Settings {
  // Registered voice banks, each "display name" TAB "folder" (no trailing
  // separator). The first entry is the voice folder of a new song. Empty
  // entries may occur; they are not written back.
  std::vector<std::string> OtoList;
  bool CacheEnable = false;
  bool CacheDeleteOnUnload = false;
  bool CacheDeleteBySize = false;
  int32_t CacheDeleteSize = 0;  // megabytes (1 048 576 bytes)
  bool CacheDeleteByDate = false;
  int32_t CacheDeleteInterval = 0;  // days
  std::string Tool1Path;            // wave joiner given to new projects
  std::string Tool2Path;            // resampler given to new projects
  // Recent project files, most recent first (History[0] is the file's
  // "History1" line).
  std::vector<std::string> History;
  bool DebugMode = false;
  bool PropExpandDetail = false;
  std::string TransformTitle;  // replaces the product name in titles when set
  std::array<int32_t, kColourCount> colours = defaultColours();

  int32_t colour(Colour which) const { return colours[static_cast<size_t>(which)]; }
};

}  // namespace ruvo
