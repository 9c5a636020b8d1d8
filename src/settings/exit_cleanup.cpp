#include "settings/exit_cleanup.h"

#include <unistd.h>

#include "core/paths.h"
#include "settings/cache_cleanup.h"

namespace ruvo {

void removeTempFiles(const std::string& tempDir) {
  // An empty name would mean the current folder, which is not ours to clean.
  if (tempDir.empty()) return;
  for (const char* name : {"temp.bat", "temp_helper.bat", "temp.wav"})
    ::unlink(joinPath(tempDir, name).c_str());
  (void)deleteAllCache(joinPath(tempDir, "temp.cache"));
}

Result<int> applyCachePolicy(const Settings& settings, const std::string& cacheDir, std::time_t now) {
  if (cacheDir.empty()) return 0;
  if (settings.CacheDeleteOnUnload) return deleteAllCache(cacheDir);
  if (settings.CacheDeleteBySize) return deleteCacheBySize(cacheDir, settings.CacheDeleteSize);
  if (settings.CacheDeleteByDate && settings.CacheDeleteInterval > 0)
    return deleteCacheByDate(cacheDir, settings.CacheDeleteInterval, now);
  return 0;
}

}  // namespace ruvo
