#include "voicebank/oto_table.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "core/text_file.h"
#include "voicebank/prefix_map.h"
#include "voicebank/vowels.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {
using Fields = std::array<std::string, 6>;
}

TEST(OtoTable, AliasPassRenamesTheLyric) {
  auto table = OtoTable::fromLines({"a.wav=あ,0,100,0,50"});
  std::string lyric = "あ";
  EXPECT_EQ(table.getAlias(lyric).fields, (Fields{"a.wav", "あ", "0", "100", "0", "50"}));
  EXPECT_EQ(lyric, "a");
  lyric = "a";
  EXPECT_EQ(table.getAlias(lyric).fields, (Fields{"a.wav", "あ", "0", "100", "0", "50"}));
  EXPECT_EQ(lyric, "a");
}

TEST(OtoTable, LineWithoutCommaKeepsOnlyTheFileName) {
  auto table = OtoTable::fromLines({"a.wav=あ"});
  std::string lyric = "あ";
  EXPECT_EQ(table.getAlias(lyric).fields, Fields{});
  lyric = "a";
  EXPECT_EQ(table.getAlias(lyric).fields, (Fields{"a.wav", "", "", "", "", ""}));
}

TEST(OtoTable, MalformedAndEmptyLinesAreSkipped) {
  auto table = OtoTable::fromLines(
      {"", "b.wav=x=y,1,2,3,4", "no equals", "=c,1,2,3,4", ".WAV=d,1,2,3,4", "c.wav=,10,20,30,40"});
  EXPECT_EQ(table.size(), 1u);
  std::string lyric;
  EXPECT_EQ(table.getAlias(lyric).fields, Fields{});
  lyric = "c";
  EXPECT_EQ(table.getAlias(lyric).fields, (Fields{"c.wav", "", "10", "20", "30", "40"}));
  for (const char* gone : {"x", "d"}) {
    lyric = gone;
    EXPECT_EQ(table.getAlias(lyric).fields, Fields{}) << gone;
  }
}

TEST(OtoTable, RecordingsOutsideTheVoiceFolderAreRefusedWithAWarning) {
  auto table = OtoTable::fromLines({"../x.wav=あ,0,100,0,50", "/etc/passwd=い,0,0,0,0", "sub\\..\\..\\y.wav=う,0,0,0,0",
                                    "C:\\z.wav=え,0,0,0,0", "A3/お.wav=お,1,2,3,4", "a..b.wav=か,0,0,0,0"});
  EXPECT_EQ(table.size(), 2u);
  EXPECT_EQ(table.warnings(),
            (std::vector<std::string>{
                "oto.ini line 1: the recording '../x.wav' lies outside the voice folder; the entry is skipped",
                "oto.ini line 2: the recording '/etc/passwd' lies outside the voice folder; the entry is skipped",
                "oto.ini line 3: the recording 'sub\\..\\..\\y.wav' lies outside the voice folder; the entry is skipped",
                "oto.ini line 4: the recording 'C:\\z.wav' lies outside the voice folder; the entry is skipped"}));
  for (std::string lyric : {"あ", "い", "う", "え"}) EXPECT_EQ(table.getAlias(lyric).fields, Fields{}) << lyric;
  std::string lyric = "お";
  EXPECT_EQ(table.getAlias(lyric)[OtoEntry::kFile], "A3/お.wav");
}

TEST(OtoTable, FirstMatchWinsAndAliasBeatsFileName) {
  auto table = OtoTable::fromLines({"か.wav=,1,2,3,4", "a.wav=か,5,6,7,8,9,10,11", "b.wav=か,0,0,0,0"});
  std::string lyric = "か";
  auto entry = table.getAlias(lyric);
  EXPECT_EQ(entry.fields, (Fields{"a.wav", "か", "5", "6", "7", "8"}));
  EXPECT_EQ(lyric, "a");
  EXPECT_DOUBLE_EQ(entry.number(OtoEntry::kConsonant), 6);
}

TEST(OtoTable, WavExtensionIsRemovedOnlyAtTheEndInAnyCase) {
  auto table = OtoTable::fromLines({"x.wavy.wav=p,1,1,1,1", "A.WAV=q,1,1,1,1"});
  std::string lyric = "p";
  table.getAlias(lyric);
  EXPECT_EQ(lyric, "x.wavy");
  lyric = "q";
  table.getAlias(lyric);
  EXPECT_EQ(lyric, "A");
  lyric = "A";
  EXPECT_EQ(table.getAlias(lyric)[OtoEntry::kFile], "A.WAV");
  EXPECT_EQ(table.aliasOfFile("A"), "q");
}

TEST(OtoTable, AliasOfFile) {
  auto table = OtoTable::fromLines({"zz.wav=,1,2,3,4", "ka.wav=か,1,2,3,4"});
  EXPECT_EQ(table.aliasOfFile("zz"), "zz");
  EXPECT_EQ(table.aliasOfFile("ka"), "か");
  EXPECT_EQ(table.aliasOfFile("none"), "none");
}

TEST(OtoTable, LoadFromFolder) {
  const TempFolder dir("ruvo_oto");
  auto empty = OtoTable::load(dir.path());
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->size(), 0u);
  ASSERT_TRUE(writeFileBytes(dir / "oto.ini", "ka.wav=\x82\xa9,1,2,3,4\r\n\xff\xfe=\n"));
  auto table = OtoTable::load(dir.path());
  ASSERT_TRUE(table);
  EXPECT_EQ(table->aliasOfFile("ka"), "か");
}

TEST(OtoTable, RandomLinesNeverBreakTheLookups) {
  std::mt19937 random(7);
  std::vector<std::string> lines;
  const std::string alphabet = "a=,\t.wavあ\xff\r";
  for (int i = 0; i < 2000; ++i) {
    std::string line;
    int length = static_cast<int>(random() % 40);
    for (int k = 0; k < length; ++k) line += alphabet[random() % alphabet.size()];
    lines.push_back(line);
  }
  auto table = OtoTable::fromLines(lines);
  for (const auto& line : lines) {
    std::string lyric = line;
    auto entry = table.getAlias(lyric);
    EXPECT_EQ(entry.fields.size(), 6u);
    (void)table.aliasOfFile(line);
  }
}

TEST(OtoTable, ReadsEachEncodingAndWritesItBackByteForByte) {
  const std::string utf8 = "_ああか.wav=- か,100,80,-300,60\r\n_ああか.wav=a か,400,80,-300,60\r\nき.wav=き,1,2,3,4\r\n";
  struct Case {
    std::string name;
    std::string bytes;
    TextEncoding encoding;
  };
  const std::vector<Case> cases = {
      {"UTF-8 CRLF", utf8, TextEncoding::Utf8},
      {"UTF-8 with mark", "\xEF\xBB\xBF" + utf8, TextEncoding::Utf8WithBom},
      {"UTF-8 LF, no final line end", "ka.wav=a か,1,2,3,4\nx.wav=x,1,2,3,4", TextEncoding::Utf8},
      {"CP932 CRLF", utf8ToCp932(utf8), TextEncoding::Cp932},
  };
  const TempFolder dir("ruvo_oto_encodings");
  for (const auto& c : cases) {
    ASSERT_TRUE(writeFileBytes(dir / "oto.ini", c.bytes));
    ASSERT_TRUE(writeFileBytes(dir / "prefix.map", c.bytes));
    auto table = OtoTable::load(dir.path());
    ASSERT_TRUE(table) << c.name;
    EXPECT_EQ(table->encoding(), c.encoding) << c.name;
    EXPECT_TRUE(table->warnings().empty()) << c.name;
    std::string lyric = "a か";
    EXPECT_FALSE(table->getAlias(lyric)[OtoEntry::kFile].empty()) << c.name;
    EXPECT_EQ(textDocumentBytes(table->document()), c.bytes) << c.name;
    PrefixMap map;
    ASSERT_TRUE(map.load(dir.path()));
    EXPECT_EQ(textDocumentBytes(map.document()), c.bytes) << c.name;
  }
  // Bytes that are neither UTF-8 nor CP932 (0x80 and 0xA0 lead nothing in
  // CP932) refuse their line by number; the rest of the file still loads.
  ASSERT_TRUE(writeFileBytes(dir / "oto.ini", "ka.wav=\x82\xa9,1,2,3,4\r\nx\x80.wav=\xa0\xff,1,2,3,4\r\n"));
  auto damaged = OtoTable::load(dir.path());
  ASSERT_TRUE(damaged);
  EXPECT_EQ(damaged->size(), 1u);
  EXPECT_EQ(damaged->warnings(),
            (std::vector<std::string>{"oto.ini line 2: neither UTF-8 nor CP932 text; the entry is skipped"}));
}

TEST(OtoTable, ACallLineFindsTheEntryItWasWrittenFrom) {
  auto table = OtoTable::fromLines({"_aka.wav=- あ,50,80,-300,60", "_aka.wav=a か,400,80,-300,60",
                                    "_aka.wav=a か↑,400,80,-300,60", "_aka.wav=a が,400,80,-300,70",
                                    "ki.wav=,1,2,3,4"});
  struct Case {
    std::string name;
    CallTiming timing;
    std::string prefix, suffix, alias;
  };
  const std::vector<Case> cases = {
      {"_aka", {50, 80, -300, 60}, "", "", "- あ"},
      {"_aka", {400, 80, -300, 60}, "", "", "a か"},
      {"_aka", {400, 80, -300, 60}, "", "↑", "a か↑"},  // the suffix tells equal timings apart
      {"_aka", {400, 80, -300, 70}, "", "", "a が"},     // then the pre-utterance
      {"_aka", {399, 80, -300, 60}, "", "", "- あ"},     // the bank changed: its first alias
      {"ki", {1, 2, 3, 4}, "", "", "ki"},
      {"none", {0, 0, 0, 0}, "", "", "none"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(table.aliasOfCall(c.name, c.timing, c.prefix, c.suffix), c.alias) << c.alias;
  EXPECT_FALSE(table.sharesRecording(0));
  EXPECT_TRUE(table.sharesRecording(1));
  EXPECT_FALSE(table.sharesRecording(4));
}

TEST(OtoTable, VowelsAndTheVcvForm) {
  const std::vector<std::pair<std::string, std::string>> vowels = {
      {"か", "a"}, {"きゃ", "a"}, {"ン", "n"}, {"ka", "a"}, {"KO", "o"}, {"n", "n"}, {"すー", "u"},
      {"っ", ""},  {"br", ""},    {"", ""},    {"a か", "a"}, {"ヴ", "u"}, {"ゑ", "e"}};
  for (const auto& [lyric, vowel] : vowels) EXPECT_EQ(vowelOf(lyric), vowel) << lyric;
  for (std::string alias : {"- か", "a か", "n き", "あ か", "ん ka"}) EXPECT_TRUE(isVcvAlias(alias)) << alias;
  for (std::string alias : {"か", "k か", "か か", "a ", " か", "-か"}) EXPECT_FALSE(isVcvAlias(alias)) << alias;
  // A quarter of the aliases in VCV form makes a VCV bank.
  EXPECT_TRUE(OtoTable::fromLines({"a.wav=- あ,1,1,1,1", "b.wav=b,1,1,1,1", "c.wav=c,1,1,1,1", "d.wav=d,1,1,1,1"}).looksVcv());
  EXPECT_FALSE(OtoTable::fromLines({"a.wav=- あ,1,1,1,1", "b.wav=b,1,1,1,1", "c.wav=c,1,1,1,1", "d.wav=d,1,1,1,1",
                                    "e.wav=e,1,1,1,1"}).looksVcv());
}
