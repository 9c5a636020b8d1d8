#include "settings/startup_defaults.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "settings/song_defaults.h"
#include "support/temp_folder.h"
#include "test_files.h"

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
  std::filesystem::create_directory(prog / "oto");
  makeFile(prog / "oto/readme.txt");
  Settings none;
  applyStartupDefaults(none, true, prog.path());
  EXPECT_TRUE(none.OtoList.empty());

  makeFile(prog / "oto/a.wav");
  Settings s;
  applyStartupDefaults(s, true, prog.path());
  EXPECT_EQ(s.OtoList, std::vector<std::string>{"デフォルト\t" + prog / "oto"});

  Settings registered;
  registered.OtoList = {"mine\t/v"};
  applyStartupDefaults(registered, false, prog.path());
  EXPECT_EQ(registered.OtoList, std::vector<std::string>{"mine\t/v"});
}

TEST(SongDefaults, ANewSongTakesTheFirstVoiceBanksFolderAndTheTools) {
  Settings s;
  s.Tool1Path = "/p/splicer";
  s.Tool2Path = "/p/resampler";
  EXPECT_EQ(clearDefaultsFrom(s).voiceFolder, "");
  s.OtoList = {parseSettingsLines({"OtoList0=a,b,/v1"}).OtoList[0], "c\t/v2"};
  ClearDefaults d = clearDefaultsFrom(s);
  EXPECT_EQ(d.voiceFolder, "b");  // the comma of the name split it
  EXPECT_EQ(d.joinerPath, "/p/splicer");
  EXPECT_EQ(d.resamplerPath, "/p/resampler");
  EXPECT_EQ(voiceBankFolder("声\tD:\\voice"), "D:\\voice");
  EXPECT_EQ(voiceBankName("声\tD:\\voice"), "声");
  EXPECT_EQ(voiceBankFolder("name only"), "");
  EXPECT_EQ(voiceBankName("name only"), "name only");
}
