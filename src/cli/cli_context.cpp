#include "cli/cli_context.h"

#include <iostream>

#include "settings/app_folders.h"
#include "settings/song_defaults.h"

namespace ruvo::cli {

Result<CliContext> makeContext(const ParsedArgs& args) {
  AppFolders folders = resolveAppFolders();
  if (auto file = args.value("--settings")) folders.settingsFile = *file;
  auto session = loadSessionSettings(folders);
  if (!session) return tl::unexpected(session.error());
  CliContext context;
  context.programFolder = folders.programFolder;
  context.workingFolder = folders.tempDir;
  context.defaults = clearDefaultsFrom(session->settings);
  context.cacheEnable = session->settings.CacheEnable && !args.has("--no-cache");
  context.session = std::move(*session);
  return context;
}

int reportError(const Error& error) {
  std::cerr << "ruvo-cli: error: " << error.message << '\n';
  switch (error.code) {
    case ErrorCode::NotFound:
    case ErrorCode::Unreadable:
    case ErrorCode::BadArgument:
      return kExitUsage;
    default:
      return kExitFailed;
  }
}

}  // namespace ruvo::cli
