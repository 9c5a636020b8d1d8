#include "settings/app_folders.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "core/text_file.h"
#include "support/temp_folder.h"
#include "test_files.h"

using namespace ruvo;
using ruvo::testing::exists;
using ruvo::testing::makeFile;
using ruvo::testing::TempFolder;

TEST(AppFolders, AWritableProgramFolderHoldsEverything) {
  TempFolder prog;
  AppFolders f = resolveAppFolders(prog.path(), {"/t", "/c", "/h"});
  EXPECT_EQ(f.programFolder, prog.path());
  EXPECT_EQ(f.tempDir, prog.path());
  EXPECT_EQ(f.settingsFile, prog / "setting.ini");
  EXPECT_FALSE(exists(prog / "temp.bat"));  // the probe leaves nothing behind
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
  AppFolders f = resolveAppFolders(prog, {home / "tmp", home / "conf", home.path()});
  EXPECT_EQ(f.tempDir, home / "tmp/ruvo");
  EXPECT_TRUE(std::filesystem::is_directory(f.tempDir));
  EXPECT_EQ(f.settingsFile, home / "conf/ruvo/setting.ini");

  AppFolders noXdg = resolveAppFolders(prog, {home / "tmp", "", home.path()});
  EXPECT_EQ(noXdg.settingsFile, home / ".config/ruvo/setting.ini");

  AppFolders nothing = resolveAppFolders(prog, {home / "tmp", "", ""});
  EXPECT_EQ(nothing.settingsFile, prog + "/setting.ini");
}

TEST(AppFolders, TheProgramFolderIsTheExecutablesFolder) {
  EXPECT_EQ(std::filesystem::canonical(runningProgramFolder()), std::filesystem::canonical(RUVO_BIN_DIR));
}
