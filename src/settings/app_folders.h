#pragma once
// The folders the editor and the console tools work with, decided in one
// place:
//  - programFolder: the folder of the running executable; the tools
//    ("splicer", "resampler") and the bundled "oto" voice bank live there;
//  - tempDir: the working folder for render scripts and "temp.wav": the
//    program folder when "temp.bat" can be created there, else
//    $TMPDIR/ruvo (/tmp/ruvo without TMPDIR), created when missing;
//  - settingsFile: "setting.ini" in the program folder when that folder is
//    writable, else $XDG_CONFIG_HOME/ruvo/setting.ini ($HOME/.config/ruvo/
//    without XDG_CONFIG_HOME).

#include <string>

namespace ruvo {

struct AppFolders {
  std::string programFolder;
  std::string tempDir;
  std::string settingsFile;
};

// The environment variables that choose the fallback folders; empty when
// unset.
struct FolderEnvironment {
  std::string tmpDir;      // TMPDIR
  std::string configHome;  // XDG_CONFIG_HOME
  std::string home;        // HOME
};

FolderEnvironment processFolderEnvironment();

// The folder of the running executable (from /proc/self/exe); the current
// folder when that cannot be read.
std::string runningProgramFolder();

// Decides the folders for a given program folder and environment, so tests
// can point it at a folder of their own. Probing for "temp.bat" leaves no
// file behind.
AppFolders resolveAppFolders(const std::string& programFolder, const FolderEnvironment& env);

// The folders of this process: runningProgramFolder() and its environment.
AppFolders resolveAppFolders();

}  // namespace ruvo
