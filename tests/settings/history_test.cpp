#include "settings/history.h"

#include <gtest/gtest.h>

using namespace ruvo;
using List = std::vector<std::string>;

TEST(History, AddingMovesToTheFrontWithoutDuplicates) {
  List h;
  addHistory(h, "/a.bat");
  addHistory(h, "/a.bat");
  EXPECT_EQ(h, List{"/a.bat"});
  addHistory(h, "/b.bat");
  addHistory(h, "/c.bat");
  addHistory(h, "/a.bat");
  EXPECT_EQ(h, (List{"/a.bat", "/c.bat", "/b.bat"}));
  addHistory(h, "/A.bat");  // letter case counts
  EXPECT_EQ(h, (List{"/A.bat", "/a.bat", "/c.bat", "/b.bat"}));
}

TEST(History, GrowsToNineThenDropsTheLast) {
  List h;
  for (int i = 1; i <= 9; ++i) addHistory(h, std::to_string(i));
  EXPECT_EQ(h, (List{"9", "8", "7", "6", "5", "4", "3", "2", "1"}));
  addHistory(h, "10");
  EXPECT_EQ(h, (List{"10", "9", "8", "7", "6", "5", "4", "3", "2"}));
  addHistory(h, "2");  // the last entry moves up; nothing is lost
  EXPECT_EQ(h, (List{"2", "10", "9", "8", "7", "6", "5", "4", "3"}));
}

TEST(History, ALongerListFromTheFileKeepsItsLength) {
  List h;
  for (int i = 1; i <= 12; ++i) h.push_back(std::to_string(i));
  addHistory(h, "new");
  ASSERT_EQ(h.size(), 12u);
  EXPECT_EQ(h.front(), "new");
  EXPECT_EQ(h.back(), "11");
  addHistory(h, "12th-is-gone");
  EXPECT_EQ(h.back(), "10");
}

TEST(History, RemovingTakesOutTheFirstMatchOnly) {
  List h = {"x", "y", "x", "z"};
  removeHistory(h, "x");
  EXPECT_EQ(h, (List{"y", "x", "z"}));
  removeHistory(h, "X");
  removeHistory(h, "missing");
  EXPECT_EQ(h, (List{"y", "x", "z"}));
  removeHistory(h, "z");
  EXPECT_EQ(h, (List{"y", "x"}));
}
