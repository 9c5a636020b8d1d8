#pragma once
// setting.ini: one "key=value" line per setting, CP932 text with CR LF line
// ends. Key names are case-sensitive; unknown keys and lines without "=" are
// skipped, unreadable numbers read as 0, and a missing file gives the
// defaults, so any file at all loads.

#include <string>
#include <vector>

#include "core/error.h"
#include "settings/settings.h"

namespace ruvo {

// Applies the lines of a settings file (already decoded to UTF-8) to the
// defaults. Only the text between the first and the second "=" of a line is
// its value. Tool paths are taken as written; loadSettings checks them.
Settings parseSettingsLines(const std::vector<std::string>& lines);

// The lines of setting.ini for the record, in the writer's fixed order:
// voice banks, cache switches, tool paths, history, debug and dialog
// switches, the 15 colours, the title. False switches are left out.
std::vector<std::string> formatSettingsLines(const Settings& settings);

// Empties a tool path that names no existing file, then gives an empty one
// the program folder's tool ("splicer", "resampler").
void resolveToolPaths(Settings& settings, const std::string& programFolder);

struct LoadedSettings {
  Settings settings;
  bool fileExisted = false;  // false: the file was missing and defaults apply
};

// Reads the settings file. A missing file is normal (fileExisted false,
// defaults); a file that exists but cannot be read is an Unreadable error.
[[nodiscard]] Result<LoadedSettings> loadSettings(const std::string& settingsFile,
                                                  const std::string& programFolder);

// Creates or replaces the settings file (creating its folder when needed).
// The new content goes to a side file that then replaces the old one, so a
// failed write never leaves a half-written settings file. Fails with
// Unwritable, naming the file, when the folder or file cannot be written.
[[nodiscard]] Result<void> saveSettings(const std::string& settingsFile, const Settings& settings);

}  // namespace ruvo
