#pragma once
// Clean-up when the editor closes, after the settings have been saved:
// first the working folder's temporary render files, then the project's
// cache folder as the cache policy of the settings says.

#include <ctime>
#include <string>

#include "core/error.h"
#include "settings/settings.h"

namespace ruvo {

// Deletes "temp.bat", "temp_helper.bat" and "temp.wav" of the working folder
// and every "*.wav" in its "temp.cache" folder. Playback of "temp.wav" must
// be closed before. Files that are missing or cannot be deleted are skipped.
void removeTempFiles(const std::string& tempDir);

// Applies exactly one rule to the project's cache folder (nothing when the
// folder name is empty): delete everything when CacheDeleteOnUnload, else
// trim by size when CacheDeleteBySize, else trim by age when
// CacheDeleteByDate with an interval above 0. Returns the files deleted.
[[nodiscard]] Result<int> applyCachePolicy(const Settings& settings, const std::string& cacheDir,
                                           std::time_t now);

}  // namespace ruvo
