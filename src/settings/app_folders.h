#pragma once
// The folders the editor and the console tools work with, decided in one
// place:
//  - programFolder: the folder of the running executable; the tools
//    ("splicer", "resampler") and the bundled "oto" voice bank live there;
//  - tempDir: the working folder for render scripts and "temp.wav": the
//    program folder when "temp.bat" can be created there, else a private
//    folder of the user (see privateWorkFolder), since a render runs the
//    scripts it finds there;
//  - settingsFile: "setting.ini" in the program folder when that folder is
//    writable, else $XDG_CONFIG_HOME/ruvo/setting.ini ($HOME/.config/ruvo/
//    without XDG_CONFIG_HOME).

#include <string>

#include <sys/types.h>

namespace ruvo {

struct AppFolders {
  std::string programFolder;
  std::string tempDir;
  std::string settingsFile;
};

// The environment variables that choose the fallback folders; empty when
// unset.
struct FolderEnvironment {
  std::string runtimeDir;  // XDG_RUNTIME_DIR
  std::string configHome;  // XDG_CONFIG_HOME
  std::string home;        // HOME
  std::string cacheHome;   // XDG_CACHE_HOME
  std::string tmpDir;      // TMPDIR
};

FolderEnvironment processFolderEnvironment();

// The folder of the running executable (from /proc/self/exe); the current
// folder when that cannot be read.
std::string runningProgramFolder();

// Decides the folders for a given program folder and environment, so tests
// can point it at a folder of their own. Probing for "temp.bat" leaves no
// file behind.
AppFolders resolveAppFolders(const std::string& programFolder, const FolderEnvironment& env);

// Whether `folder` itself (not a symbolic link to it) is a folder owned by
// `owner` that neither its group nor anybody else may write to.
bool isPrivateFolder(const std::string& folder, uid_t owner);

// The working folder when the program folder cannot hold it, tried in this
// order: $XDG_RUNTIME_DIR/ruvo, $XDG_CACHE_HOME/ruvo/work (else
// $HOME/.cache/ruvo/work). Each is created with mode 0700 when missing and
// taken only when isPrivateFolder holds for the running user; a folder made
// beforehand by someone else, or open to others, is passed over. Failing
// all, a fresh folder from mkdtemp under $TMPDIR (else /tmp); empty when not
// even that can be made.
std::string privateWorkFolder(const FolderEnvironment& env);

// The folders of this process: runningProgramFolder() and its environment.
AppFolders resolveAppFolders();

}  // namespace ruvo
