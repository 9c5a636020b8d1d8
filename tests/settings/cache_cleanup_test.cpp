#include "settings/cache_cleanup.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "settings/wav_listing.h"
#include "support/temp_folder.h"
#include "test_files.h"

using namespace ruvo;
using ruvo::testing::exists;
using ruvo::testing::makeFile;
using ruvo::testing::TempFolder;

namespace {

constexpr int64_t kMiB = 1048576;
constexpr std::time_t kNow = 1700000000;  // 2023-11-14 22:13:20 UTC
constexpr std::time_t kDay = 86400;

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class CacheCleanup : public ::testing::Test {
 protected:
  void SetUp() override {
    // Calendar arithmetic of the age rule runs in UTC here, so the day
    // lengths are fixed.
    ::setenv("TZ", "UTC", 1);
    ::tzset();
  }
  TempFolder m_dir;
  std::string file(const std::string& name) const { return m_dir / name; }
};

}  // namespace

TEST_F(CacheCleanup, BySizeDeletesOldestUntilBelowTheLimit) {
  for (int i = 0; i < 12; ++i) makeFile(file("n" + std::to_string(i) + ".wav"), kMiB, kNow - 100 + i);
  auto deleted = deleteCacheBySize(m_dir.path(), 10);
  ASSERT_TRUE(deleted);
  EXPECT_EQ(*deleted, 3);  // 12 -> 9 MiB: equal to the limit is not enough
  EXPECT_FALSE(exists(file("n0.wav")));
  EXPECT_FALSE(exists(file("n2.wav")));
  EXPECT_TRUE(exists(file("n3.wav")));
  EXPECT_EQ(namesIn(m_dir.path()).size(), 9u);
}

TEST_F(CacheCleanup, BySizeLeavesAFolderAtOrUnderTheLimit) {
  for (int i = 0; i < 10; ++i) makeFile(file("n" + std::to_string(i) + ".wav"), kMiB, kNow);
  EXPECT_EQ(*deleteCacheBySize(m_dir.path(), 10), 0);
  EXPECT_EQ(*deleteCacheBySize(m_dir.path(), 0), 0);
  EXPECT_EQ(*deleteCacheBySize(m_dir.path(), -5), 0);
  EXPECT_EQ(*deleteCacheBySize(m_dir.path(), INT32_MAX), 0);
  EXPECT_EQ(namesIn(m_dir.path()).size(), 10u);
}

TEST_F(CacheCleanup, BySizeBreaksTiesByPathIgnoringCase) {
  makeFile(file("B.wav"), kMiB, kNow);
  makeFile(file("a.wav"), kMiB, kNow);
  makeFile(file("c.wav"), kMiB, kNow);
  makeFile(file("z_old.wav"), 1, kNow - 1);  // older than all three, deleted first
  EXPECT_EQ(*deleteCacheBySize(m_dir.path(), 2), 3);
  EXPECT_EQ(namesIn(m_dir.path()), std::vector<std::string>{"c.wav"});
}

TEST_F(CacheCleanup, BySizeCountsBeyondFourGibibytes) {
  // Sparse files: large sizes without the disk space.
  for (int i = 0; i < 3; ++i) makeFile(file("big" + std::to_string(i) + ".wav"), 2048 * kMiB, kNow + i);
  auto deleted = deleteCacheBySize(m_dir.path(), 4096);  // 6 GiB against 4 GiB
  ASSERT_TRUE(deleted);
  EXPECT_EQ(*deleted, 2);
  EXPECT_EQ(namesIn(m_dir.path()), std::vector<std::string>{"big2.wav"});
}

TEST_F(CacheCleanup, OnlyWavFilesDirectlyInTheFolderAreTouched) {
  TempFolder outside;
  makeFile(outside / "target.wav", 5 * kMiB, kNow - 1000);
  std::filesystem::create_symlink(outside / "target.wav", file("link.wav"));
  std::filesystem::create_directory(file("sub.wav"));
  makeFile(file("sub.wav/inner.wav"), kMiB, kNow - 1000);
  makeFile(file("notes.txt"), 5 * kMiB, kNow - 1000);
  makeFile(file("UPPER.WAV"), kMiB, kNow - 500);
  makeFile(file("keep.wav"), 1, kNow);

  EXPECT_EQ(*deleteCacheBySize(m_dir.path(), 1), 1);  // 1 MiB + 1 byte of wav: UPPER.WAV goes
  EXPECT_EQ(*deleteAllCache(m_dir.path()), 1);
  EXPECT_EQ(namesIn(m_dir.path()), (std::vector<std::string>{"link.wav", "notes.txt", "sub.wav"}));
  EXPECT_TRUE(exists(outside / "target.wav"));
  EXPECT_TRUE(exists(file("sub.wav/inner.wav")));
}

TEST_F(CacheCleanup, ByDateDeletesFilesOlderThanTheInterval) {
  makeFile(file("old.wav"), 1, kNow - 10 * kDay - 1);
  makeFile(file("edge.wav"), 1, kNow - 10 * kDay);
  makeFile(file("new.wav"), 1, kNow - 9 * kDay);
  EXPECT_EQ(*deleteCacheByDate(m_dir.path(), 0, kNow), 0);
  EXPECT_EQ(*deleteCacheByDate(m_dir.path(), -3, kNow), 0);
  EXPECT_EQ(*deleteCacheByDate(m_dir.path(), INT32_MAX, kNow), 0);
  EXPECT_EQ(*deleteCacheByDate(m_dir.path(), 10, kNow), 1);
  EXPECT_EQ(namesIn(m_dir.path()), (std::vector<std::string>{"edge.wav", "new.wav"}));
}

TEST_F(CacheCleanup, OfSampleMatchesTheRecordingAsAWholeName) {
  for (const char* name : {"a_C4_x.wav", "3_a_C4_x.wav", "ka_C4_x.wav", "a.wav", "A_C4_x.wav",
                           "a_C4_x.txt", "b_a_.wav", "xa_b.wav"})
    makeFile(file(name));
  EXPECT_EQ(*deleteCacheOfSample(m_dir.path(), ""), 0);
  EXPECT_EQ(*deleteCacheOfSample(m_dir.path(), "a"), 3);
  EXPECT_EQ(namesIn(m_dir.path()),
            (std::vector<std::string>{"A_C4_x.wav", "a.wav", "a_C4_x.txt", "ka_C4_x.wav", "xa_b.wav"}));
}

TEST_F(CacheCleanup, OfSamplePitchAndOfNoteMatchTheirPrefixes) {
  for (const char* name : {"a_C4_480.wav", "a_C#4_480.wav", "3_a_C4_480.wav", "a_C4.wav",
                           "13_a_C4_480.wav", "3a_C4.wav", "-1_b.wav"})
    makeFile(file(name));
  EXPECT_EQ(*deleteCacheOfSamplePitch(m_dir.path(), "a", 36), 1);
  EXPECT_FALSE(exists(file("a_C4_480.wav")));
  EXPECT_EQ(*deleteCacheOfSamplePitch(m_dir.path(), "a", 37), 1);
  EXPECT_EQ(*deleteCacheOfNote(m_dir.path(), 3), 1);
  EXPECT_EQ(*deleteCacheOfNote(m_dir.path(), -1), 1);
  EXPECT_EQ(namesIn(m_dir.path()), (std::vector<std::string>{"13_a_C4_480.wav", "3a_C4.wav", "a_C4.wav"}));
}

TEST_F(CacheCleanup, MissingOrUnnamedFoldersDeleteNothingAndAFileIsAnError) {
  EXPECT_EQ(*deleteAllCache(""), 0);
  EXPECT_EQ(*deleteAllCache(file("missing")), 0);
  EXPECT_EQ(*deleteCacheBySize(file("missing"), 1), 0);
  makeFile(file("plain.wav"));
  auto result = deleteAllCache(file("plain.wav"));
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().code, ErrorCode::Unreadable);
  EXPECT_TRUE(exists(file("plain.wav")));
}

TEST_F(CacheCleanup, DeletionTellsVanishedFromKeptFiles) {
  makeFile(file("a.wav"));
  auto listed = listWavFiles(m_dir.path());
  ASSERT_TRUE(listed);
  ASSERT_EQ(listed->size(), 1u);
  EXPECT_EQ(deleteWavFile(listed->front()), Deletion::Deleted);
  EXPECT_EQ(deleteWavFile(listed->front()), Deletion::Vanished);
  std::filesystem::create_directory(file("a.wav"));  // something that unlink refuses
  EXPECT_EQ(deleteWavFile(listed->front()), Deletion::Kept);
}
