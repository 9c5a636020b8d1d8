#include "settings/session_settings.h"

#include <filesystem>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/text_file.h"
#include "scratch_folder.h"

using namespace ruvo;
using ruvo::testing::ScratchFolder;

namespace {
AppFolders foldersIn(const ScratchFolder& dir) {
  return {dir.path(), dir.file("work"), dir.file("conf/setting.ini")};
}
}  // namespace

TEST(SessionSettings, AFirstRunGetsTheStartupDefaults) {
  ScratchFolder dir;
  auto session = loadSessionSettings(foldersIn(dir));
  ASSERT_TRUE(session);
  EXPECT_FALSE(session->fileExisted);
  EXPECT_TRUE(session->settings.CacheEnable);
  EXPECT_TRUE(session->settings.CacheDeleteOnUnload);
  EXPECT_EQ(session->settings.Tool1Path, dir.file("splicer"));
}

TEST(SessionSettings, JsonShowsEveryFieldAndTheFolders) {
  ScratchFolder dir;
  std::filesystem::create_directory(dir.file("conf"));
  ASSERT_TRUE(writeTextLines(dir.file("conf/setting.ini"),
                             {"OtoList0=声,/v", "CacheDeleteBySize=1", "CacheDeleteSize=300",
                              "History1=/s/a.bat", "COLOR_BACK=&HFF", "TransformTitle=題"}));
  auto session = loadSessionSettings(foldersIn(dir));
  ASSERT_TRUE(session);
  auto json = nlohmann::json::parse(sessionSettingsJson(*session));
  EXPECT_EQ(json["settingsFile"], dir.file("conf/setting.ini"));
  EXPECT_EQ(json["settingsFileExisted"], true);
  EXPECT_EQ(json["tempDir"], dir.file("work"));
  EXPECT_EQ(json["programFolder"], dir.path());
  EXPECT_EQ(json["OtoList"], nlohmann::json::array({"声\t/v"}));
  EXPECT_EQ(json["CacheEnable"], false);
  EXPECT_EQ(json["CacheDeleteBySize"], true);
  EXPECT_EQ(json["CacheDeleteSize"], 300);
  EXPECT_EQ(json["Tool2Path"], dir.file("resampler"));
  EXPECT_EQ(json["History"], nlohmann::json::array({"/s/a.bat"}));
  EXPECT_EQ(json["TransformTitle"], "題");
  EXPECT_EQ(json["colours"]["COLOR_BACK"], 255);
  EXPECT_EQ(json["colours"]["COLOR_NOTE_NOR"], 0xFFC000);
  EXPECT_EQ(json["colours"].size(), kColourCount);
  EXPECT_EQ(json.size(), 18u);
}

TEST(SessionSettings, AnUnreadableSettingsFileIsReported) {
  ScratchFolder dir;
  std::filesystem::create_directories(dir.file("conf/setting.ini"));
  auto session = loadSessionSettings(foldersIn(dir));
  ASSERT_FALSE(session);
  EXPECT_NE(session.error().message.find("setting.ini"), std::string::npos);
}
