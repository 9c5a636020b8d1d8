#include "settings/session_settings.h"

#include <nlohmann/json.hpp>

#include "settings/settings_file.h"
#include "settings/startup_defaults.h"

namespace ruvo {

Result<SessionSettings> loadSessionSettings(const AppFolders& folders) {
  auto loaded = loadSettings(folders.settingsFile, folders.programFolder);
  if (!loaded) return tl::unexpected(loaded.error());
  SessionSettings session{folders, std::move(loaded->settings), loaded->fileExisted};
  applyStartupDefaults(session.settings, session.fileExisted, folders.programFolder);
  return session;
}

std::string sessionSettingsJson(const SessionSettings& session) {
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
  // Text that is not valid UTF-8 (it cannot come from the CP932 reader, but
  // a caller may set anything) is replaced rather than thrown about.
  return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace ruvo
