#include "settings/app_folders.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "core/text_file.h"
#include "support/temp_folder.h"
#include "test_files.h"

using namespace ruvo;
using ruvo::testing::exists;
using ruvo::testing::makeFile;
using ruvo::testing::TempFolder;

TEST(AppFolders, AWritableProgramFolderHoldsEverything) {
  TempFolder prog;
  AppFolders f = resolveAppFolders(prog.path(), {"/t", "/c", "/h", "/k", "/tmp"});
  EXPECT_EQ(f.programFolder, prog.path());
  EXPECT_EQ(f.tempDir, prog.path());
  EXPECT_EQ(f.settingsFile, prog / "setting.ini");
  EXPECT_FALSE(exists(prog / "temp.bat"));  // the probe leaves nothing behind

  // Programs starting at once all find the folder writable.
  const TempFolder home;
  std::atomic<int> elsewhere{0};
  std::vector<std::thread> starts;
  for (int t = 0; t < 4; ++t)
    starts.emplace_back([&] {
      for (int i = 0; i < 300; ++i)
        if (resolveAppFolders(prog.path(), {home / "run", "", "", "", ""}).tempDir != prog.path()) ++elsewhere;
    });
  for (std::thread& start : starts) start.join();
  EXPECT_EQ(elsewhere, 0);
  EXPECT_TRUE(std::filesystem::is_empty(prog.path()));
}

TEST(AppFolders, AnExistingTempBatchIsLeftAsItWas) {
  TempFolder prog;
  makeFile(prog / "temp.bat", "@echo off\r\n");
  EXPECT_EQ(resolveAppFolders(prog.path(), {}).tempDir, prog.path());
  EXPECT_EQ(readFileBytes(prog / "temp.bat").value_or(""), "@echo off\r\n");
}

TEST(AppFolders, AnUnusableProgramFolderFallsBackToTheUsersFolders) {
  TempFolder home;
  makeFile(home / "file");
  std::string prog = home / "file/bin";  // cannot exist: its parent is a file
  AppFolders f = resolveAppFolders(prog, {home / "run", home / "conf", home.path(), "", ""});
  EXPECT_EQ(f.tempDir, home / "run/ruvo");
  EXPECT_TRUE(std::filesystem::is_directory(f.tempDir));
  EXPECT_EQ(f.settingsFile, home / "conf/ruvo/setting.ini");

  AppFolders noXdg = resolveAppFolders(prog, {"", "", home.path(), "", ""});
  EXPECT_EQ(noXdg.tempDir, home / ".cache/ruvo/work");
  EXPECT_EQ(noXdg.settingsFile, home / ".config/ruvo/setting.ini");

  AppFolders nothing = resolveAppFolders(prog, {home / "run", "", "", "", ""});
  EXPECT_EQ(nothing.settingsFile, prog + "/setting.ini");
}

uint32_t modeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Whatever is found under the working folder's name must be the user's own
// folder, closed to everybody else; else the next place is taken.
TEST(AppFolders, TheWorkingFolderIsPrivateToTheUser) {
  TempFolder home;
  const std::string run = home / "run";
  const std::string cache = home / "cache";
  const std::string tmp = home / "tmp";
  std::filesystem::create_directories(tmp);
  const FolderEnvironment env{run, "", home.path(), cache, tmp};
  struct Case {
    const char* what;
    std::function<void()> before;  // what stands under the runtime name beforehand
    std::string expected;          // "" for a fresh folder under tmp
  };
  const std::vector<Case> cases{
      {"nothing", [] {}, run + "/ruvo"},
      {"the user's own open folder",
       [&] {
         std::filesystem::create_directories(run + "/ruvo");
         ::chmod((run + "/ruvo").c_str(), 0777);
       },
       cache + "/ruvo/work"},
      {"a link to the user's private folder",
       [&] {
         std::filesystem::create_directories(home / "mine");
         ::chmod((home / "mine").c_str(), 0700);
         std::filesystem::create_directory_symlink(home / "mine", run + "/ruvo");
       },
       cache + "/ruvo/work"},
      {"a plain file", [&] { makeFile(run + "/ruvo"); }, cache + "/ruvo/work"},
      {"open folders at both places",
       [&] {
         for (const std::string& folder : {run + "/ruvo", cache + "/ruvo/work"}) {
           std::filesystem::create_directories(folder);
           ::chmod(folder.c_str(), 0757);
         }
       },
       ""},
  };
  for (const Case& c : cases) {
    for (const std::string& folder : {run, cache, home / "mine"}) std::filesystem::remove_all(folder);
    std::filesystem::create_directories(run);
    c.before();
    const std::string chosen = privateWorkFolder(env);
    if (c.expected.empty()) {
      EXPECT_EQ(std::filesystem::path(chosen).parent_path(), tmp) << c.what;
      EXPECT_EQ(std::filesystem::path(chosen).filename().string().rfind("ruvo-", 0), 0u) << c.what;
    } else {
      EXPECT_EQ(chosen, c.expected) << c.what;
    }
    EXPECT_EQ(modeOf(chosen), 0700u) << c.what;
    EXPECT_TRUE(isPrivateFolder(chosen, ::geteuid())) << c.what;
  }
  // A folder of another user is never taken, whatever its mode.
  const std::string theirs = home / "theirs";
  std::filesystem::create_directories(theirs);
  ::chmod(theirs.c_str(), 0700);
  EXPECT_FALSE(isPrivateFolder(theirs, ::geteuid() + 1));
  if (::geteuid() == 0) {
    for (const std::string& folder : {run, cache}) std::filesystem::remove_all(folder);
    std::filesystem::create_directories(run + "/ruvo");
    ASSERT_EQ(::chown((run + "/ruvo").c_str(), 65534, 65534), 0);
    ::chmod((run + "/ruvo").c_str(), 0700);
    EXPECT_EQ(privateWorkFolder(env), cache + "/ruvo/work");
  }
}

TEST(AppFolders, TheProgramFolderIsTheExecutablesFolder) {
  EXPECT_EQ(std::filesystem::canonical(runningProgramFolder()), std::filesystem::canonical(RUVO_BIN_DIR));
}
