#include "settings/startup_defaults.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "temp_folder.h"

using namespace ruvo;
using ruvo::testing::makeFile;
using ruvo::testing::TempFolder;

TEST(StartupDefaults, AFirstRunTurnsTheCacheOn) {
  Settings first;
  applyStartupDefaults(first, false, "/nowhere");
  EXPECT_TRUE(first.CacheEnable);
  EXPECT_TRUE(first.CacheDeleteOnUnload);
  EXPECT_FALSE(first.CacheDeleteBySize);

  Settings later;
  applyStartupDefaults(later, true, "/nowhere");
  EXPECT_FALSE(later.CacheEnable);
  EXPECT_FALSE(later.CacheDeleteOnUnload);
  EXPECT_TRUE(later.OtoList.empty());
}

TEST(StartupDefaults, TheBundledVoiceBankIsRegisteredWhenItHoldsRecordings) {
  TempFolder prog;
  std::filesystem::create_directory(prog.file("oto"));
  makeFile(prog.file("oto/readme.txt"));
  Settings none;
  applyStartupDefaults(none, true, prog.path());
  EXPECT_TRUE(none.OtoList.empty());

  makeFile(prog.file("oto/a.wav"));
  Settings s;
  applyStartupDefaults(s, true, prog.path());
  EXPECT_EQ(s.OtoList, std::vector<std::string>{"デフォルト\t" + prog.file("oto")});

  Settings registered;
  registered.OtoList = {"mine\t/v"};
  applyStartupDefaults(registered, false, prog.path());
  EXPECT_EQ(registered.OtoList, std::vector<std::string>{"mine\t/v"});
}
