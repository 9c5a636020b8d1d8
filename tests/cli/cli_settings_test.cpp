#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "core/text_file.h"
#include "support/run_process.h"
#include "support/temp_folder.h"

using ruvo::testing::runProcess;
using ruvo::testing::TempFolder;

namespace {

const std::string kCli = std::string(RUVO_BIN_DIR) + "/ruvo-cli";

nlohmann::json settingsOf(const std::string& file) {
  auto run = runProcess(kCli, {"settings", "--settings", file});
  EXPECT_EQ(run.status, 0) << run.err;
  return nlohmann::json::parse(run.out);
}

// A voice bank whose prefix map turns "↑か" into "か" above C5, and a project
// that names no voice folder of its own.
void writeBankAndProject(const TempFolder& dir) {
  std::filesystem::create_directories(dir / "bank");
  ASSERT_TRUE(ruvo::writeTextLines(dir / "bank/oto.ini", {"ka_hi.wav=↑か,6,61,-90,45"}));
  ASSERT_TRUE(ruvo::writeTextLines(dir / "bank/prefix.map", {"C5\t↑"}));
  ASSERT_TRUE(ruvo::writeTextLines(dir / "song.bat",
                                   {"@set tempo=120", "@set output=song.wav", "@set params=100 100 ",
                                    "@set env=0 5 35 0 100 100 0 45",
                                    "call %helper% ka_hi C5 245.000 45 6 300 61 -90 0"}));
}

std::string firstHelperLine(const std::string& helper) {
  auto lines = ruvo::readTextLines(helper);
  return lines && !lines->empty() ? lines->front() : "";
}

}  // namespace

TEST(CliSettings, PrintsTheSettingsFileInForce) {
  TempFolder dir("ruvo_cli_settings_show");
  ASSERT_TRUE(ruvo::writeTextLines(dir / "setting.ini",
                                   {"OtoList3=声,/v/koe", "CacheDeleteByDate=1", "CacheDeleteInterval=7",
                                    "Tool1Path=/nowhere/splicer", "History1=/s/a.bat", "COLOR_FORE=&HFF"}));
  auto json = settingsOf(dir / "setting.ini");
  EXPECT_EQ(json["settingsFile"], dir / "setting.ini");
  EXPECT_EQ(json["settingsFileExisted"], true);
  EXPECT_EQ(std::filesystem::canonical(json["programFolder"].get<std::string>()),
            std::filesystem::canonical(RUVO_BIN_DIR));
  EXPECT_EQ(json["tempDir"], json["programFolder"]);  // the build's bin folder is writable
  EXPECT_EQ(json["OtoList"], nlohmann::json::array({"声\t/v/koe"}));
  EXPECT_EQ(json["CacheEnable"], false);
  EXPECT_EQ(json["CacheDeleteByDate"], true);
  EXPECT_EQ(json["CacheDeleteInterval"], 7);
  EXPECT_EQ(json["Tool1Path"], json["programFolder"].get<std::string>() + "/splicer");
  EXPECT_EQ(json["History"], nlohmann::json::array({"/s/a.bat"}));
  EXPECT_EQ(json["colours"]["COLOR_FORE"], 255);
}

TEST(CliSettings, AMissingFileGivesTheFirstRunDefaultsAndAFolderIsAnError) {
  TempFolder dir("ruvo_cli_settings_missing");
  auto json = settingsOf(dir / "none.ini");
  EXPECT_EQ(json["settingsFileExisted"], false);
  EXPECT_EQ(json["CacheEnable"], true);
  EXPECT_EQ(json["CacheDeleteOnUnload"], true);
  EXPECT_FALSE(std::filesystem::exists(dir / "none.ini"));  // read only, never written

  auto run = runProcess(kCli, {"dump", dir / "song.bat", "--settings", dir.path()});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("ruvo-cli: error: settings: " + dir.path()), std::string::npos);
}

TEST(CliSettings, DumpStartsFromTheFirstRegisteredVoiceBank) {
  TempFolder dir("ruvo_cli_settings_dump");
  writeBankAndProject(dir);
  ASSERT_TRUE(ruvo::writeTextLines(dir / "registered.ini", {"OtoList0=bank," + (dir / "bank")}));
  ASSERT_TRUE(ruvo::writeTextLines(dir / "empty.ini", {}));

  auto run = runProcess(kCli, {"dump", dir / "song.bat", "--settings", dir / "registered.ini"});
  ASSERT_EQ(run.status, 0) << run.err;
  auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["voiceFolder"], dir / "bank");
  EXPECT_EQ(json["notes"][0]["lyric"], "か");

  run = runProcess(kCli, {"dump", dir / "song.bat", "--settings", dir / "empty.ini"});
  ASSERT_EQ(run.status, 0) << run.err;
  json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["voiceFolder"], "");
  EXPECT_EQ(json["notes"][0]["lyric"], "ka_hi");
}

TEST(CliSettings, ConvertTakesTheCacheSwitchFromTheSettings) {
  TempFolder dir("ruvo_cli_settings_cache");
  writeBankAndProject(dir);
  ASSERT_TRUE(ruvo::writeTextLines(dir / "cache.ini", {"CacheEnable=1"}));
  ASSERT_TRUE(ruvo::writeTextLines(dir / "nocache.ini", {"CacheDeleteOnUnload=1"}));
  const std::string uncached = "@set temp=temp$$$.wav";

  ASSERT_EQ(runProcess(kCli, {"convert", dir / "song.bat", dir / "a", "--settings", dir / "nocache.ini"}).status, 0);
  EXPECT_EQ(firstHelperLine(dir / "a_helper.bat"), uncached);
  ASSERT_EQ(runProcess(kCli, {"convert", dir / "song.bat", dir / "b", "--settings", dir / "cache.ini"}).status, 0);
  EXPECT_EQ(firstHelperLine(dir / "b_helper.bat").rfind("@if \"%params%\"", 0), 0u);
  ASSERT_EQ(runProcess(kCli, {"convert", dir / "song.bat", dir / "c", "--settings", dir / "cache.ini", "--no-cache"})
                .status,
            0);
  EXPECT_EQ(firstHelperLine(dir / "c_helper.bat"), uncached);
}
