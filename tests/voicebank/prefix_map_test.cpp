#include "voicebank/prefix_map.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

TEST(PrefixMap, FirstLineForANoteWins) {
  PrefixMap map;
  map.loadLines({"C5\t↑", "", "C5\tx", "D5", "E5\ty\tignored", "Db5\tz"});
  EXPECT_EQ(map.getPrefix(48, ""), "↑");
  EXPECT_EQ(map.getPrefix(47, ""), "");
  EXPECT_EQ(map.getPrefix(50, ""), "");
  EXPECT_EQ(map.getPrefix(52, ""), "y");
  EXPECT_EQ(map.getPrefix(49, ""), "");  // keys are written with sharps
  EXPECT_EQ(map.getPrefix(-1, ""), "");
}

TEST(PrefixMap, LoadsLazilyAndAMissingFileEmptiesIt) {
  const TempFolder dir("ruvo_prefix");
  ASSERT_TRUE(writeFileBytes(dir / "prefix.map", "C4\tlo\r\n\r\nC5\thi\r\n"));
  PrefixMap map;
  EXPECT_FALSE(map.loaded());
  EXPECT_EQ(map.getPrefix(48, dir.path()), "hi");
  EXPECT_TRUE(map.loaded());
  EXPECT_EQ(*map.load(dir.path()), 2);
  EXPECT_EQ(*map.load(dir / "nothing"), 0);
  EXPECT_EQ(map.getPrefix(48, dir.path()), "");
}

TEST(PrefixMap, ASecondTabGivesTheSuffix) {
  PrefixMap map;
  map.loadLines({"C5\t\t↑", "D5\tx\t_D", "E5\ty", "F5\t\t↑", "C5\tz\tlater"});
  const std::vector<std::tuple<int, std::string, std::string>> cases = {
      {48, "", "↑"}, {50, "x", "_D"}, {52, "y", ""}, {47, "", ""}};
  for (const auto& [note, prefix, suffix] : cases) {
    EXPECT_EQ(map.getPrefix(note, ""), prefix) << note;
    EXPECT_EQ(map.getSuffix(note, ""), suffix) << note;
  }
  EXPECT_EQ(map.suffixes(), (std::vector<std::string>{"↑", "_D", "later"}));
}
