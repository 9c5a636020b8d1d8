#include "settings/startup_defaults.h"

#include "core/paths.h"
#include "settings/wav_listing.h"

namespace ruvo {

void applyStartupDefaults(Settings& settings, bool settingsFileExisted, const std::string& programFolder) {
  if (!settingsFileExisted) {
    settings.CacheEnable = true;
    settings.CacheDeleteOnUnload = true;
  }
  if (!settings.OtoList.empty()) return;
  std::string bundled = joinPath(programFolder, "oto");
  auto recordings = listWavFiles(bundled);
  if (recordings && !recordings->empty())
    settings.OtoList.push_back(std::string(kDefaultVoiceBankName) + "\t" + bundled);
}

}  // namespace ruvo
