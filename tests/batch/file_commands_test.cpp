#include <gtest/gtest.h>

#include <filesystem>

#include "batch/file_commands.h"
#include "file_bytes.h"
#include "support/temp_folder.h"

using namespace ruvo::batch;
using namespace ruvo::batch::test;
using ruvo::testing::TempFolder;
namespace fs = std::filesystem;

TEST(FileCommands, CopyConcatenatesHeaderAndDataByteForByte) {
  TempFolder dir;
  put(dir / "o.wav.whd", std::string("RIFF\0\x1a", 6));
  put(dir / "o.wav.dat", std::string("\r\n\x1a\0z", 5));
  ASSERT_TRUE(copyFiles(dir.path(), {"/Y", "\"o.wav.whd\"", "/B", "+", "\"o.wav.dat\"", "/B", "\"o.wav\""}));
  EXPECT_EQ(slurp(dir / "o.wav"), std::string("RIFF\0\x1a\r\n\x1a\0z", 11));
  ASSERT_TRUE(copyFiles(dir.path(), {"o.wav.dat+o.wav.whd", "x"}));  // '+' joined to the names
  EXPECT_EQ(slurp(dir / "x"), std::string("\r\n\x1a\0zRIFF\0\x1a", 11));
}

TEST(FileCommands, CopyIntoOneOfItsSourcesAndWithoutDestination) {
  TempFolder dir;
  put(dir / "a", "A");
  put(dir / "b", "B");
  ASSERT_TRUE(copyFiles(dir.path(), {"b", "+", "a", "a"}));  // dest read before it is written
  EXPECT_EQ(slurp(dir / "a"), "BA");
  ASSERT_TRUE(copyFiles(dir.path(), {"a", "+", "b"}));  // appended into the first source
  EXPECT_EQ(slurp(dir / "a"), "BAB");
  fs::create_directories(dir / "d");
  ASSERT_TRUE(copyFiles(dir.path(), {"b", "d"}));
  EXPECT_EQ(slurp(dir / "d/b"), "B");
  EXPECT_FALSE(copyFiles(dir.path(), {"b"}));  // onto itself
}

TEST(FileCommands, CopyRefusesBadOperandsAndWritesNothing) {
  TempFolder dir;
  put(dir / "a", "A");
  put(dir / "out", "old");
  EXPECT_FALSE(copyFiles(dir.path(), {"a", "+", "missing", "out"}));
  EXPECT_EQ(slurp(dir / "out"), "old");
  EXPECT_FALSE(copyFiles(dir.path(), {"a", "/A", "out"}));
  EXPECT_FALSE(copyFiles(dir.path(), {"+", "a", "out"}));
  EXPECT_FALSE(copyFiles(dir.path(), {"a", "+"}));
  EXPECT_FALSE(copyFiles(dir.path(), {"a", "b", "c"}));
  EXPECT_FALSE(copyFiles(dir.path(), {}));
  EXPECT_EQ(slurp(dir / "out"), "old");
}

TEST(FileCommands, DeleteAndMakeFolders) {
  TempFolder dir;
  put(dir / "x y.whd", "1");
  put(dir / "z.dat", "2");
  fs::create_directories(dir / "keep");
  EXPECT_TRUE(deleteFiles(dir.path(), {"/Q", "\"x y.whd\"", "z.dat", "\"never there\""}));
  EXPECT_FALSE(fs::exists(dir / "x y.whd"));
  EXPECT_FALSE(fs::exists(dir / "z.dat"));
  auto refused = deleteFiles(dir.path(), {"keep"});
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().message.find("folder"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(dir / "keep"));

  EXPECT_TRUE(makeFolders(dir.path(), {"\"a b\\c\\d\"", "keep"}));
  EXPECT_TRUE(fs::is_directory(dir / "a b/c/d"));
  put(dir / "file", "");
  EXPECT_FALSE(makeFolders(dir.path(), {"file"}));
}
