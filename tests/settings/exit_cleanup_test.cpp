#include "settings/exit_cleanup.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "scratch_folder.h"

using namespace ruvo;
using ruvo::testing::exists;
using ruvo::testing::makeFile;
using ruvo::testing::ScratchFolder;

namespace {
constexpr std::time_t kNow = 1700000000;
constexpr int64_t kMiB = 1048576;
}  // namespace

TEST(ExitCleanup, RemovesOnlyTheRenderFilesOfTheWorkingFolder) {
  ScratchFolder dir;
  std::filesystem::create_directory(dir.file("temp.cache"));
  for (const char* name : {"temp.bat", "temp_helper.bat", "temp.wav", "temp.cache/a_C4_1.wav",
                           "temp.cache/keep.txt", "song.wav", "setting.ini"})
    makeFile(dir.file(name));
  removeTempFiles(dir.path());
  EXPECT_FALSE(exists(dir.file("temp.bat")));
  EXPECT_FALSE(exists(dir.file("temp_helper.bat")));
  EXPECT_FALSE(exists(dir.file("temp.wav")));
  EXPECT_FALSE(exists(dir.file("temp.cache/a_C4_1.wav")));
  EXPECT_TRUE(exists(dir.file("temp.cache/keep.txt")));
  EXPECT_TRUE(exists(dir.file("song.wav")));
  EXPECT_TRUE(exists(dir.file("setting.ini")));
  removeTempFiles(dir.path());  // a second run finds nothing and is quiet
}

class CachePolicy : public ::testing::Test {
 protected:
  void SetUp() override {
    makeFile(m_dir.file("old.wav"), kMiB, kNow - 40 * 86400);
    makeFile(m_dir.file("new.wav"), kMiB, kNow);
  }
  int remaining() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(m_dir.path()),
                                          std::filesystem::directory_iterator()));
  }
  ScratchFolder m_dir;
};

TEST_F(CachePolicy, DeleteOnUnloadWinsOverTheOtherRules) {
  Settings s;
  s.CacheDeleteOnUnload = s.CacheDeleteBySize = s.CacheDeleteByDate = true;
  s.CacheDeleteSize = 100;
  s.CacheDeleteInterval = 100;
  EXPECT_EQ(*applyCachePolicy(s, m_dir.path(), kNow), 2);
  EXPECT_EQ(remaining(), 0);
}

TEST_F(CachePolicy, SizeRuleWinsOverTheAgeRule) {
  Settings s;
  s.CacheDeleteBySize = s.CacheDeleteByDate = true;
  s.CacheDeleteSize = 100;  // under the limit: the age rule must not run
  s.CacheDeleteInterval = 1;
  EXPECT_EQ(*applyCachePolicy(s, m_dir.path(), kNow), 0);
  EXPECT_EQ(remaining(), 2);
}

TEST_F(CachePolicy, AgeRuleNeedsAPositiveInterval) {
  Settings s;
  s.CacheDeleteByDate = true;
  EXPECT_EQ(*applyCachePolicy(s, m_dir.path(), kNow), 0);
  s.CacheDeleteInterval = 30;
  EXPECT_EQ(*applyCachePolicy(s, m_dir.path(), kNow), 1);
  EXPECT_FALSE(exists(m_dir.file("old.wav")));
}

TEST_F(CachePolicy, NoRuleOrNoFolderDeletesNothing) {
  Settings s;
  EXPECT_EQ(*applyCachePolicy(s, m_dir.path(), kNow), 0);
  s.CacheDeleteOnUnload = true;
  EXPECT_EQ(*applyCachePolicy(s, "", kNow), 0);
  EXPECT_EQ(remaining(), 2);
}
