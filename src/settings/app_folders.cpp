#include "settings/app_folders.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

#include "core/paths.h"

namespace ruvo {

namespace {

std::string environmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Whether "temp.bat" can be created in the folder. An existing one is
// opened for appending, which leaves its content alone. A missing one is
// probed with a file of its own name, made and removed again: with a shared
// name, two programs starting at once would each take the other's probe for
// a temp.bat they cannot make.
bool canCreateTempBatch(const std::string& folder) {
  std::string path = joinPath(folder, "temp.bat");
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return true;
  }
  if (errno != ENOENT) return false;  // there, but not for this user to write
  std::string probe = joinPath(folder, ".temp.bat.XXXXXX");
  fd = ::mkostemp(probe.data(), O_CLOEXEC);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
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

std::string cacheFolder(const FolderEnvironment& env) {
  if (!env.cacheHome.empty()) return env.cacheHome;
  if (!env.home.empty()) return joinPath(env.home, ".cache");
  return "";
}

// Creates the folder (and its missing parents) with mode 0700; whether it
// then may be used is isPrivateFolder's to say.
void makePrivateFolder(const std::string& folder) {
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(folder).parent_path(), ignored);
  ::mkdir(folder.c_str(), 0700);
}

}  // namespace

FolderEnvironment processFolderEnvironment() {
  return {environmentValue("XDG_RUNTIME_DIR"), environmentValue("XDG_CONFIG_HOME"), environmentValue("HOME"),
          environmentValue("XDG_CACHE_HOME"), environmentValue("TMPDIR")};
}

bool isPrivateFolder(const std::string& folder, uid_t owner) {
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == owner && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string privateWorkFolder(const FolderEnvironment& env) {
  std::vector<std::string> candidates;
  if (!env.runtimeDir.empty()) candidates.push_back(joinPath(env.runtimeDir, "ruvo"));
  if (std::string cache = cacheFolder(env); !cache.empty()) candidates.push_back(joinPath(cache, "ruvo/work"));
  for (const std::string& folder : candidates) {
    makePrivateFolder(folder);
    if (isPrivateFolder(folder, ::geteuid())) return folder;
  }
  std::string pattern = joinPath(env.tmpDir.empty() ? "/tmp" : env.tmpDir, "ruvo-XXXXXX");
  if (::mkdtemp(pattern.data()) == nullptr) return "";
  return pattern;
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
    folders.tempDir = privateWorkFolder(env);
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
