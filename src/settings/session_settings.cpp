#include "settings/session_settings.h"

#include "settings/settings_file.h"
#include "settings/startup_defaults.h"

namespace ruvo {

Result<SessionSettings> loadSessionSettings(const AppFolders& folders) {
  if (folders.tempDir.empty())
    return fail(ErrorCode::Unwritable, "作業フォルダを作成できません。\n" + folders.programFolder);
  auto loaded = loadSettings(folders.settingsFile, folders.programFolder);
  if (!loaded) return tl::unexpected(loaded.error());
  SessionSettings session{folders, std::move(loaded->settings), loaded->fileExisted};
  applyStartupDefaults(session.settings, session.fileExisted, folders.programFolder);
  return session;
}

}  // namespace ruvo
