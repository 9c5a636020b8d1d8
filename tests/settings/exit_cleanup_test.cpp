#include "settings/exit_cleanup.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "test_files.h"

using namespace ruvo;
using ruvo::testing::exists;
using ruvo::testing::makeFile;
using ruvo::testing::TempFolder;

namespace {
constexpr std::time_t kNow = 1700000000;
constexpr int64_t kMiB = 1048576;
}  // namespace

TEST(ExitCleanup, RemovesOnlyTheRenderFilesOfTheWorkingFolder) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "temp.cache");
  for (const char* name : {"temp.bat", "temp_helper.bat", "temp.wav", "temp.cache/a_C4_1.wav",
                           "temp.cache/keep.txt", "song.wav", "setting.ini"})
    makeFile(dir / name);
  removeTempFiles(dir.path());
  EXPECT_FALSE(exists(dir / "temp.bat"));
  EXPECT_FALSE(exists(dir / "temp_helper.bat"));
  EXPECT_FALSE(exists(dir / "temp.wav"));
  EXPECT_FALSE(exists(dir / "temp.cache/a_C4_1.wav"));
  EXPECT_TRUE(exists(dir / "temp.cache/keep.txt"));
  EXPECT_TRUE(exists(dir / "song.wav"));
  EXPECT_TRUE(exists(dir / "setting.ini"));
  removeTempFiles(dir.path());  // a second run finds nothing and is quiet
}

class CachePolicy : public ::testing::Test {
 protected:
  void SetUp() override {
    makeFile(m_dir / "old.wav", kMiB, kNow - 40 * 86400);
    makeFile(m_dir / "new.wav", kMiB, kNow);
  }
  int remaining() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(m_dir.path()),
                                          std::filesystem::directory_iterator()));
  }
  TempFolder m_dir;
};

TEST_F(CachePolicy, ExactlyOneRuleRunsInOrderOfPrecedence) {
  Settings all;
  all.CacheDeleteOnUnload = all.CacheDeleteBySize = all.CacheDeleteByDate = true;
  all.CacheDeleteSize = 100;  // under the limit: the size rule deletes nothing
  all.CacheDeleteInterval = 30;
  Settings sizeAndDate = all;
  sizeAndDate.CacheDeleteOnUnload = false;
  Settings dateWithoutInterval = sizeAndDate;
  dateWithoutInterval.CacheDeleteBySize = false;
  dateWithoutInterval.CacheDeleteInterval = 0;
  Settings dateOnly = dateWithoutInterval;
  dateOnly.CacheDeleteInterval = 30;

  EXPECT_EQ(*applyCachePolicy(all, "", kNow), 0);
  EXPECT_EQ(*applyCachePolicy(Settings{}, m_dir.path(), kNow), 0);
  EXPECT_EQ(*applyCachePolicy(sizeAndDate, m_dir.path(), kNow), 0);
  EXPECT_EQ(*applyCachePolicy(dateWithoutInterval, m_dir.path(), kNow), 0);
  EXPECT_EQ(remaining(), 2);
  EXPECT_EQ(*applyCachePolicy(dateOnly, m_dir.path(), kNow), 1);
  EXPECT_FALSE(exists(m_dir / "old.wav"));
  EXPECT_EQ(*applyCachePolicy(all, m_dir.path(), kNow), 1);
  EXPECT_EQ(remaining(), 0);
}
