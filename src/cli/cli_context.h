#pragma once
// What every ruvo-cli command starts from, as the editor would: the folders
// and defaults taken from the settings, and how errors become exit statuses.

#include <string>

#include "cli/cli_args.h"
#include "core/error.h"
#include "song/song_model.h"
#include "settings/session_settings.h"

namespace ruvo::cli {

struct CliContext {
  std::string programFolder;  // folder of the running executable
  std::string workingFolder;  // tempDir: temp.bat, temp.wav, temp.cache
  ClearDefaults defaults;     // first voice bank and tool paths
  bool cacheEnable = true;
  SessionSettings session;  // the settings file and folders in force
};

// Decides the folders, loads the settings ("--settings FILE" in place of the
// editor's own settings file) with the editor's start-up defaults, and takes
// the song defaults and the cache switch from them ("--no-cache" turns the
// cache off whatever the settings say). Fails when the settings file exists
// but cannot be read.
[[nodiscard]] Result<CliContext> makeContext(const ParsedArgs& args);

// Exit statuses: 0 success, 1 the work failed, 2 usage error or a missing
// or unreadable file.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Prints "ruvo-cli: error: MESSAGE" and returns the exit status for it.
int reportError(const Error& error);

}  // namespace ruvo::cli
