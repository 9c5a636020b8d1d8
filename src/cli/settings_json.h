#pragma once
// The settings a command works with as one JSON object, for scripts and
// tests that need to see what the editor would use.

#include <nlohmann/json.hpp>

#include "settings/session_settings.h"

namespace ruvo::cli {

// Every field of the record under its own name (colours under their
// setting.ini keys), plus "settingsFile", "settingsFileExisted",
// "programFolder" and "tempDir".
nlohmann::ordered_json sessionSettingsJson(const SessionSettings& session);

}  // namespace ruvo::cli
