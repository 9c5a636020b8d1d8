#pragma once
// The settings a run of the editor (or of a console front end that behaves
// like it) works with: the decided folders, the loaded record with the
// start-up defaults applied, and whether the settings file existed.

#include <string>

#include "core/error.h"
#include "settings/app_folders.h"
#include "settings/settings.h"

namespace ruvo {

struct SessionSettings {
  AppFolders folders;
  Settings settings;
  bool fileExisted = false;
};

// Loads folders.settingsFile and applies the start-up defaults. Fails when
// the settings file exists but cannot be read, or when there is no working
// folder (an empty tempDir).
[[nodiscard]] Result<SessionSettings> loadSessionSettings(const AppFolders& folders);

}  // namespace ruvo
