#pragma once
// What the program does to freshly loaded settings before the first song is
// made: a first run (no settings file) turns the cache on with deletion at
// exit, and an empty voice-bank list gets the bundled "oto" folder beside the
// program when that folder holds recordings.

#include <string>

#include "settings/settings.h"

namespace ruvo {

// Display name of the bundled voice bank.
inline constexpr const char* kDefaultVoiceBankName = "デフォルト";

void applyStartupDefaults(Settings& settings, bool settingsFileExisted, const std::string& programFolder);

}  // namespace ruvo
