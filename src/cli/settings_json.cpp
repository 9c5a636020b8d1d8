#include "cli/settings_json.h"

namespace ruvo::cli {

nlohmann::ordered_json sessionSettingsJson(const SessionSettings& session) {
  const Settings& s = session.settings;
  nlohmann::ordered_json colours = nlohmann::ordered_json::object();
  for (size_t i = 0; i < kColourCount; ++i) colours[kColourSettings[i].key] = s.colours[i];
  nlohmann::ordered_json json = {
      {"settingsFile", session.folders.settingsFile},
      {"settingsFileExisted", session.fileExisted},
      {"programFolder", session.folders.programFolder},
      {"tempDir", session.folders.tempDir},
      {"OtoList", s.OtoList},
      {"CacheEnable", s.CacheEnable},
      {"CacheDeleteOnUnload", s.CacheDeleteOnUnload},
      {"CacheDeleteBySize", s.CacheDeleteBySize},
      {"CacheDeleteSize", s.CacheDeleteSize},
      {"CacheDeleteByDate", s.CacheDeleteByDate},
      {"CacheDeleteInterval", s.CacheDeleteInterval},
      {"Tool1Path", s.Tool1Path},
      {"Tool2Path", s.Tool2Path},
      {"History", s.History},
      {"DebugMode", s.DebugMode},
      {"PropExpandDetail", s.PropExpandDetail},
      {"TransformTitle", s.TransformTitle},
      {"colours", colours},
  };
  return json;
}

}  // namespace ruvo::cli
