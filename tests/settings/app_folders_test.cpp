#include "settings/app_folders.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "scratch_folder.h"

using namespace ruvo;
using ruvo::testing::exists;
using ruvo::testing::makeFile;
using ruvo::testing::ScratchFolder;

TEST(AppFolders, AWritableProgramFolderHoldsEverything) {
  ScratchFolder prog;
  AppFolders f = resolveAppFolders(prog.path(), {"/t", "/c", "/h"});
  EXPECT_EQ(f.programFolder, prog.path());
  EXPECT_EQ(f.tempDir, prog.path());
  EXPECT_EQ(f.settingsFile, prog.file("setting.ini"));
  EXPECT_FALSE(exists(prog.file("temp.bat")));  // the probe leaves nothing behind
}

TEST(AppFolders, AnExistingTempBatchIsLeftAsItWas) {
  ScratchFolder prog;
  makeFile(prog.file("temp.bat"), "@echo off\r\n");
  EXPECT_EQ(resolveAppFolders(prog.path(), {}).tempDir, prog.path());
  std::ifstream in(prog.file("temp.bat"), std::ios::binary);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, "@echo off\r\n");
}

TEST(AppFolders, AnUnusableProgramFolderFallsBackToTheUsersFolders) {
  ScratchFolder home;
  makeFile(home.file("file"));
  std::string prog = home.file("file/bin");  // cannot exist: its parent is a file
  AppFolders f = resolveAppFolders(prog, {home.file("tmp"), home.file("conf"), home.path()});
  EXPECT_EQ(f.tempDir, home.file("tmp/ruvo"));
  EXPECT_TRUE(std::filesystem::is_directory(f.tempDir));
  EXPECT_EQ(f.settingsFile, home.file("conf/ruvo/setting.ini"));

  AppFolders noXdg = resolveAppFolders(prog, {home.file("tmp"), "", home.path()});
  EXPECT_EQ(noXdg.settingsFile, home.file(".config/ruvo/setting.ini"));

  AppFolders nothing = resolveAppFolders(prog, {home.file("tmp"), "", ""});
  EXPECT_EQ(nothing.settingsFile, prog + "/setting.ini");
}

TEST(AppFolders, TheProgramFolderIsTheExecutablesFolder) {
  EXPECT_EQ(std::filesystem::canonical(runningProgramFolder()), std::filesystem::canonical(RUVO_BIN_DIR));
}
