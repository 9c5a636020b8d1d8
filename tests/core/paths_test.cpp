#include "core/paths.h"

#include <gtest/gtest.h>

using namespace ruvo;

TEST(Paths, TakesPathsApartAtEitherSeparator) {
  EXPECT_EQ(folderOf("C:\\songs\\a.bat"), "C:\\songs");
  EXPECT_EQ(folderOf("/home/me/a.bat"), "/home/me");
  EXPECT_EQ(folderOf("a.bat"), "");
  EXPECT_EQ(fileNameOf("/x/y\\song.v2.bat"), "song.v2.bat");
  EXPECT_EQ(baseNameOf("/x/song.v2.bat"), "song.v2");
  EXPECT_EQ(baseNameOf("/x.d/song"), "song");
  EXPECT_EQ(extensionOf("/x/SONG.BAT"), ".BAT");
  EXPECT_EQ(extensionOf("/x.d/song"), "");
}

TEST(Paths, JoinAndNative) {
  EXPECT_EQ(joinPath("/a", "b.wav"), "/a/b.wav");
  EXPECT_EQ(joinPath("/a/", "b.wav"), "/a/b.wav");
  EXPECT_EQ(joinPath("", "b.wav"), "b.wav");
  EXPECT_EQ(nativePath("C:\\a\\b.wav"), "C:/a/b.wav");
}

TEST(Paths, CaseInsensitiveComparisons) {
  EXPECT_TRUE(endsWithNoCase("mix.WAV", ".wav"));
  EXPECT_FALSE(endsWithNoCase("wav", ".wav"));
  EXPECT_TRUE(equalsNoCase(".Bat", ".bAT"));
  EXPECT_FALSE(equalsNoCase(".bat", ".ba"));
}
