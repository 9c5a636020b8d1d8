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

// A project batch file in the writer's own form: a rest, a prefixed note
// reached through its alias, a note with own flags and a tempo change.
void writeProject(const TempFolder& dir) {
  std::filesystem::create_directories(dir / "bank");
  ASSERT_TRUE(ruvo::writeTextLines(dir / "bank/oto.ini", {"a.wav=あ,10,100,20,35", "ka_hi.wav=↑か,6,61,-90,45"}));
  ASSERT_TRUE(ruvo::writeTextLines(dir / "bank/prefix.map", {"C5\t↑"}));
  ASSERT_TRUE(ruvo::writeTextLines(
      dir / "song.bat",
      {"@rem project=うた", "@set tempo=120", "@set oto=" + (dir / "bank"), "@set tool=splicer",
       "@set resamp=resampler", "@set output=song.wav", "@set helper=song_helper.bat", "@set cachedir=song.cache",
       "@set flag=", "@set env=", "", R"(@del "%output%")", "", R"("%tool%" "%output%" "%oto%\R.wav" 0 250.000 0 0)",
       "@set params=100 100 ", "@set env=0 5 35 0 100 100 0 35", "call %helper% a C4 535.000 35 10 600 100 20 1",
       "@set params=80 100 ", "@set flag=B50", "@set tempo=150", "@set env=0 5 35 0 100 100 0 45",
       "call %helper% ka_hi C5 245.000 45 6 300 61 -90 2"}));
}

}  // namespace

TEST(CliProgram, DumpPrintsTheProjectAsJson) {
  TempFolder dir("ruvo_cli_dump");
  writeProject(dir);
  auto run = runProcess(kCli, {"dump", dir / "song.bat", "--voice-folder", dir / "bank"});
  ASSERT_EQ(run.status, 0) << run.err;
  auto json = nlohmann::json::parse(run.out);
  EXPECT_EQ(json["projectName"], "うた");
  EXPECT_EQ(json["projectPath"], dir / "song.bat");
  EXPECT_EQ(json["tempo"], "120");
  EXPECT_EQ(json["cacheDir"], dir / "song.cache");
  ASSERT_EQ(json["notes"].size(), 3u);
  EXPECT_EQ(json["notes"][0], nlohmann::json({{"lyric", "R"}, {"length", 960}, {"noteNumber", 36},
                                               {"props", "\t\t\t\t\ttempo=120.00"}}));
  EXPECT_EQ(json["notes"][2]["lyric"], "か");
  EXPECT_EQ(json["notes"][2]["props"], "45\t80\t100\t\tB50\ttempo=150.00");
}

TEST(CliProgram, ConvertWritesAProjectThatDumpsTheSame) {
  TempFolder dir("ruvo_cli_convert");
  writeProject(dir);
  auto run = runProcess(kCli, {"convert", dir / "song.bat", dir / "copy", "--voice-folder", dir / "bank"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, dir / "copy.bat" + "\n");
  EXPECT_TRUE(std::filesystem::exists(dir / "copy_helper.bat"));
  auto original = nlohmann::json::parse(runProcess(kCli, {"dump", dir / "song.bat", "--voice-folder", dir / "bank"}).out);
  auto copy = nlohmann::json::parse(runProcess(kCli, {"dump", dir / "copy.bat", "--voice-folder", dir / "bank"}).out);
  EXPECT_EQ(copy["notes"], original["notes"]);
  EXPECT_EQ(copy["outputFile"], "song.wav");

  run = runProcess(kCli, {"convert", dir / "song.bat", dir / "plain.bat", "--no-cache"});
  ASSERT_EQ(run.status, 0) << run.err;
  auto helper = ruvo::readTextLines(dir / "plain_helper.bat");
  ASSERT_TRUE(helper);
  EXPECT_EQ((*helper)[0], "@set temp=temp$$$.wav");
}

TEST(CliProgram, BadUsageAndMissingFilesExitWithTwo) {
  TempFolder dir("ruvo_cli_errors");
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"frobnicate"}, {"dump"}, {"dump", "x", "--bogus"}, {"dump", dir / "missing.bat"},
           {"convert", dir / "missing.bat", dir / "out.bat"}, {"dump", dir.path()}}) {
    auto run = runProcess(kCli, args);
    EXPECT_EQ(run.status, 2) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("ruvo-cli: error: "), std::string::npos);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
  }
  auto help = runProcess(kCli, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("convert IN OUT"), std::string::npos);
}

TEST(CliProgram, AnUnreadablePrefixMapIsAWarningNotASilentChoice) {
  TempFolder dir("ruvo_cli_prefix");
  writeProject(dir);
  std::filesystem::remove(dir / "bank/prefix.map");
  std::filesystem::create_directory(dir / "bank/prefix.map");  // exists, cannot be read
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"dump", dir / "song.bat"}, {"convert", dir / "song.bat", dir / "copy.bat"}}) {
    auto run = runProcess(kCli, args, dir.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("ruvo-cli: warning: no prefixes applied: "), std::string::npos) << args[0];
    EXPECT_NE(run.err.find("prefix.map"), std::string::npos) << args[0];
  }
}

TEST(CliProgram, BankCheckReportsTheBankAndExitsOneOnProblems) {
  TempFolder dir("ruvo_cli_bank");
  std::filesystem::create_directories(dir / "bank");
  ASSERT_TRUE(ruvo::writeFileBytes(dir / "bank/oto.ini", "\xEF\xBB\xBF" "gone.wav=- か,0,0,0,0\r\n"));
  ASSERT_TRUE(ruvo::writeFileBytes(dir / "bank/prefix.map", "C5\t\t↑\r\n"));
  auto text = runProcess(kCli, {"bank", "check", dir / "bank"});
  EXPECT_EQ(text.status, 1) << text.err;
  EXPECT_EQ(text.out,
            "encoding: UTF-8 with byte-order mark\nentries: 1\nkind: VCV\nprefix.map: UTF-8\nsuffixes: ↑\n"
            "problems: 1\nproblem: oto.ini line 1 (- か): the recording 'gone.wav' does not exist\n");
  auto json = runProcess(kCli, {"bank", "check", dir / "bank", "--json"});
  EXPECT_EQ(json.status, 1);
  auto report = nlohmann::json::parse(json.out);
  EXPECT_EQ(report["entries"], 1);
  EXPECT_EQ(report["problems"][0]["line"], 1);

  ASSERT_TRUE(ruvo::writeFileBytes(dir / "bank/oto.ini", ""));
  EXPECT_EQ(runProcess(kCli, {"bank", "check", dir / "bank"}).status, 0);
  EXPECT_EQ(runProcess(kCli, {"bank", "list", dir / "bank"}).status, 2);
}
