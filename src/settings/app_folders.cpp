#include "settings/app_folders.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "core/paths.h"

namespace ruvo {

namespace {

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Whether "temp.bat" can be created in the folder. A file made only for the
// test is removed again; an existing one is opened for appending, which
// leaves its content alone.
bool canCreateTempBatch(const std::string& folder) {
  std::string path = joinPath(folder, "temp.bat");
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(path.c_str());
  return true;
}

bool isWritableFolder(const std::string& folder) {
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string configFolder(const FolderEnvironment& env) {
  if (!env.configHome.empty()) return env.configHome;
  if (!env.home.empty()) return joinPath(env.home, ".config");
  return "";
}

}  // namespace

FolderEnvironment processFolderEnvironment() {
  return {environmentValue("TMPDIR"), environmentValue("XDG_CONFIG_HOME"), environmentValue("HOME")};
}

std::string runningProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path(ec).string();
  return exe.parent_path().string();
}

AppFolders resolveAppFolders(const std::string& programFolder, const FolderEnvironment& env) {
  AppFolders folders;
  folders.programFolder = programFolder;
  if (canCreateTempBatch(programFolder)) {
    folders.tempDir = programFolder;
  } else {
    folders.tempDir = joinPath(env.tmpDir.empty() ? "/tmp" : env.tmpDir, "ruvo");
    std::error_code ignored;
    std::filesystem::create_directories(folders.tempDir, ignored);
  }
  std::string config = configFolder(env);
  if (isWritableFolder(programFolder) || config.empty())
    folders.settingsFile = joinPath(programFolder, "setting.ini");
  else
    folders.settingsFile = joinPath(joinPath(config, "ruvo"), "setting.ini");
  return folders;
}

AppFolders resolveAppFolders() { return resolveAppFolders(runningProgramFolder(), processFolderEnvironment()); }

}  // namespace ruvo
