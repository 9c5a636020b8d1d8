#include "settings/settings_file.h"

#include <climits>
#include <filesystem>
#include <gtest/gtest.h>

#include "core/text_file.h"
#include "support/temp_folder.h"
#include "test_files.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

std::vector<std::string> defaultColourLines() {
  return {"COLOR_PIANO1=&HFFFFFF", "COLOR_PIANO2=&H404040",   "COLOR_ROLL1=&HFFFFFF",
          "COLOR_ROLL2=&HE0E0E0",  "COLOR_SEPA1=&HFF40FF",    "COLOR_SEPA2=&HFF8080",
          "COLOR_BACK=&HFFFFFF",   "COLOR_FORE=&H0",          "COLOR_SHADOW=&H808080",
          "COLOR_NOTE_NOR=&HFFC000", "COLOR_NOTE_TOP=&HFF80FF", "COLOR_NOTE_SEL=&HFF40FF",
          "COLOR_NOTE_RNOR=&HFFFFFF", "COLOR_NOTE_RTOP=&HC0C0C0", "COLOR_NOTE_RSEL=&H808080"};
}

Settings parse(std::vector<std::string> lines) { return parseSettingsLines(lines); }

}  // namespace

TEST(SettingsFile, DefaultsWriteOnlyToolPathsAndColours) {
  std::vector<std::string> expected = {"Tool1Path=", "Tool2Path="};
  for (const auto& line : defaultColourLines()) expected.push_back(line);
  EXPECT_EQ(formatSettingsLines(Settings{}), expected);
}

TEST(SettingsFile, ReadingThenWritingKeepsAFullFileInWriterOrder) {
  std::vector<std::string> file = {
      "OtoList0=デフォルト,C:\\v\\oto", "OtoList1=声,/home/me/voice", "CacheEnable=1",
      "CacheDeleteOnUnload=1", "CacheDeleteBySize=1", "CacheDeleteSize=500", "CacheDeleteByDate=1",
      "CacheDeleteInterval=30", "Tool1Path=/opt/ruvo/splicer", "Tool2Path=/opt/ruvo/resampler",
      "History1=/songs/a.bat", "History2=", "History3=/songs/c.wsq", "DebugMode=True",
      "PropExpandDetail=1"};
  for (const auto& line : defaultColourLines()) file.push_back(line);
  file.push_back("TransformTitle=My Title");
  EXPECT_EQ(formatSettingsLines(parse(file)), file);
}

TEST(SettingsFile, WriterPutsLinesOfAnyOrderIntoItsOwnOrder) {
  Settings s = parse({"TransformTitle=T", "COLOR_FORE=&H10", "History9=b", "Tool2Path=r",
                      "CacheDeleteSize=7", "CacheDeleteBySize=1", "History1=a", "OtoList3=n,f",
                      "Tool1Path=j"});
  std::vector<std::string> expected = {"OtoList0=n,f", "CacheDeleteBySize=1", "CacheDeleteSize=7",
                                       "Tool1Path=j", "Tool2Path=r", "History1=b", "History2=a"};
  for (const auto& line : defaultColourLines()) expected.push_back(line);
  expected[7 + 7] = "COLOR_FORE=&H10";
  expected.push_back("TransformTitle=T");
  EXPECT_EQ(formatSettingsLines(s), expected);
}

TEST(SettingsFile, ValueEndsAtTheSecondEquals) {
  Settings s = parse({"Tool1Path=C:\\a=b\\splicer.exe", "TransformTitle=a=b", "History1=x==y"});
  EXPECT_EQ(s.Tool1Path, "C:\\a");
  EXPECT_EQ(s.TransformTitle, "a");
  EXPECT_EQ(s.History, std::vector<std::string>{"x"});
}

TEST(SettingsFile, VoiceBanksAreRenumberedAndCommasSplitFields) {
  Settings s = parse({"OtoList7=声,D:\\voice"});
  ASSERT_EQ(s.OtoList, std::vector<std::string>{"声\tD:\\voice"});
  EXPECT_EQ(formatSettingsLines(s).front(), "OtoList0=声,D:\\voice");

  EXPECT_EQ(parse({"OtoList0=a,b,c"}).OtoList, std::vector<std::string>{"a\tb\tc"});

  Settings gaps;
  gaps.OtoList = {"", "n\t/f", "", "m\t/g"};
  auto lines = formatSettingsLines(gaps);
  EXPECT_EQ(lines[0], "OtoList1=n,/f");
  EXPECT_EQ(lines[1], "OtoList3=m,/g");
  EXPECT_EQ(lines[2], "Tool1Path=");
}

TEST(SettingsFile, SwitchesNeedTheirExactTrueForm) {
  EXPECT_FALSE(parse({"DebugMode=1"}).DebugMode);
  EXPECT_FALSE(parse({"DebugMode=true"}).DebugMode);
  EXPECT_TRUE(parse({"DebugMode=True"}).DebugMode);
  EXPECT_FALSE(parse({"CacheEnable=True"}).CacheEnable);
  EXPECT_FALSE(parse({"CacheEnable=1 "}).CacheEnable);
  EXPECT_TRUE(parse({"PropExpandDetail=1"}).PropExpandDetail);
  // A later line overrides an earlier one.
  EXPECT_FALSE(parse({"CacheEnable=1", "CacheEnable=0"}).CacheEnable);
}

TEST(SettingsFile, KeysAreCaseSensitiveAndUnknownLinesIgnored) {
  Settings s = parse({"cacheenable=1", "CacheEnable =1", "Tool1path=x", "junk", "", "=1", "Other=2",
                      "otolist0=a,b", "history1=p"});
  EXPECT_FALSE(s.CacheEnable);
  EXPECT_EQ(s.Tool1Path, "");
  EXPECT_TRUE(s.OtoList.empty());
  EXPECT_TRUE(s.History.empty());
  // Only the first seven characters of a voice-bank key are looked at.
  EXPECT_EQ(parse({"OtoListX=a"}).OtoList.size(), 1u);
  EXPECT_EQ(parse({"HistoryAny=a"}).History.size(), 1u);
}

TEST(SettingsFile, ColoursReadHexAndDecimalAndWriteUpperHex) {
  EXPECT_EQ(parse({"COLOR_BACK=&HFF"}).colour(Colour::Back), 255);
  EXPECT_EQ(parse({"COLOR_BACK=16777215"}).colour(Colour::Back), 0xFFFFFF);
  EXPECT_EQ(parse({"COLOR_BACK=abc"}).colour(Colour::Back), 0);
  EXPECT_EQ(parse({"COLOR_BACK=&Hff8000"}).colour(Colour::Back), 0xFF8000);
  EXPECT_EQ(parse({"COLOR_BACK=2.5"}).colour(Colour::Back), 2);
  EXPECT_EQ(parse({"COLOR_NOTE_RSEL=&H1"}).colour(Colour::NoteRsel), 1);

  Settings s = parse({"COLOR_PIANO1=&HFFFFFFFF", "COLOR_PIANO2=-2", "COLOR_ROLL1=&HABCDEF"});
  EXPECT_EQ(s.colour(Colour::Piano1), -1);
  auto lines = formatSettingsLines(s);
  EXPECT_EQ(lines[2], "COLOR_PIANO1=&HFFFFFFFF");
  EXPECT_EQ(lines[3], "COLOR_PIANO2=&HFFFFFFFE");
  EXPECT_EQ(lines[4], "COLOR_ROLL1=&HABCDEF");
  EXPECT_EQ(parse({lines[3]}).colour(Colour::Piano2), -2);
}

TEST(SettingsFile, NumbersAreRoundedAndClampedTo32Bits) {
  EXPECT_EQ(parse({"CacheDeleteSize=12.5MB"}).CacheDeleteSize, 12);
  EXPECT_EQ(parse({"CacheDeleteSize=13.5"}).CacheDeleteSize, 14);
  EXPECT_EQ(parse({"CacheDeleteSize=-3"}).CacheDeleteSize, -3);
  EXPECT_EQ(parse({"CacheDeleteSize=x1"}).CacheDeleteSize, 0);
  EXPECT_EQ(parse({"CacheDeleteSize=99999999999999999999"}).CacheDeleteSize, INT32_MAX);
  EXPECT_EQ(parse({"CacheDeleteInterval=-1e300"}).CacheDeleteInterval, INT32_MIN);
  EXPECT_EQ(parse({"COLOR_FORE=&H123456789"}).colour(Colour::Fore), INT32_MAX);
  EXPECT_EQ(parse({"COLOR_FORE=&H"}).colour(Colour::Fore), 0);
}

TEST(SettingsFile, ToolPathsThatNameNoFileFallBackToTheProgramFolder) {
  TempFolder dir;
  ruvo::testing::makeFile(dir / "joiner");
  Settings s = parse({"Tool1Path=" + dir / "joiner", "Tool2Path=" + dir.path()});
  resolveToolPaths(s, "/prog");
  EXPECT_EQ(s.Tool1Path, dir / "joiner");
  EXPECT_EQ(s.Tool2Path, "/prog/resampler");  // a folder is not a tool

  Settings cut = parse({"Tool1Path=C:\\a=b\\splicer.exe"});
  resolveToolPaths(cut, "/prog");
  EXPECT_EQ(cut.Tool1Path, "/prog/splicer");
}

TEST(SettingsFile, LoadingAFolderInPlaceOfTheFileIsAnError) {
  TempFolder dir;
  auto loaded = loadSettings(dir.path(), "/prog");
  ASSERT_FALSE(loaded);
  EXPECT_EQ(loaded.error().code, ErrorCode::Unreadable);
}

TEST(SettingsFile, SavingWritesCp932WithCrLfAndLoadsBack) {
  TempFolder dir;
  std::string path = dir / "conf/ruvo/setting.ini";  // the folder is created
  Settings s;
  s.OtoList = {"デフォルト\t/v/oto"};
  s.Tool1Path = "t1";
  s.Tool2Path = "t2";
  ASSERT_TRUE(saveSettings(path, s));
  auto bytes = readFileBytes(path);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->substr(0, 33), "OtoList0=\x83\x66\x83\x74\x83\x48\x83\x8B\x83\x67,/v/oto\r\nTool1");
  EXPECT_FALSE(ruvo::testing::exists(path + ".new"));

  auto loaded = loadSettings(path, "/prog");
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(loaded->fileExisted);
  EXPECT_EQ(loaded->settings.OtoList, s.OtoList);
}

TEST(SettingsFile, SavingIntoAFolderThatCannotBeMadeIsReported) {
  TempFolder dir;
  ruvo::testing::makeFile(dir / "plain");
  auto saved = saveSettings(dir / "plain/ruvo/setting.ini", Settings{});
  ASSERT_FALSE(saved);
  EXPECT_EQ(saved.error().code, ErrorCode::Unwritable);
  EXPECT_NE(saved.error().message.find("plain"), std::string::npos);

  // A folder in the way of the file itself: the old content is not harmed.
  std::filesystem::create_directory(dir / "setting.ini");
  ASSERT_FALSE(saveSettings(dir / "setting.ini", Settings{}));
  EXPECT_FALSE(ruvo::testing::exists(dir / "setting.ini.new"));
}
