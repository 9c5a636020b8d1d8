// Replacing a file never leaves it half-written: a write that fails part way
// (a file-size limit stands in for a full disk) or a process killed part way
// leaves the old bytes in place.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

const std::string kOld = "@rem project=old\r\n";
const std::string kBig(64 * 1024, 'x');

// Lowers the soft file-size limit for the life of the object.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit lowered = m_saved;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_saved); }

 private:
  rlimit m_saved{};
};

size_t entriesIn(const std::string& folder) {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

}  // namespace

TEST(FileReplace, FailedWriteKeepsOldFileAndLeavesNoSideFile) {
  const TempFolder dir("ruvo_replace");
  auto path = dir / "song.bat";
  ASSERT_TRUE(writeFileBytes(path, kOld));
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  Result<void> written;
  {
    FileSizeLimit limit(4096);
    written = writeFileBytes(path, kBig);
  }
  std::signal(SIGXFSZ, previous);
  ASSERT_FALSE(written);
  EXPECT_EQ(written.error().code, ErrorCode::Unwritable);
  EXPECT_NE(written.error().message.find("song.bat"), std::string::npos);
  EXPECT_EQ(*readFileBytes(path), kOld);
  EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(FileReplace, JoinedSourcesArriveInOrderAndABadOneLeavesTheFileAsItWas) {
  const TempFolder dir("ruvo_replace");
  const std::string a = dir / "a", big = dir / "big", out = dir / "out";
  const std::string large = kBig + kBig + "end";  // more than one copy block
  ASSERT_TRUE(writeFileBytes(a, "abc"));
  ASSERT_TRUE(writeFileBytes(big, large));
  ASSERT_TRUE(writeFileBytes(out, kOld));

  ASSERT_TRUE(writeFileJoined(out, {out, a}));  // the file itself is read as it was
  EXPECT_EQ(*readFileBytes(out), kOld + "abc");
  ASSERT_TRUE(writeFileJoined(out, {a, big, a}));
  EXPECT_EQ(*readFileBytes(out), "abc" + large + "abc");

  const auto before = *readFileBytes(out);
  const size_t entries = entriesIn(dir.path());
  for (const std::string& bad : {dir / "missing", dir.path()}) {
    SCOPED_TRACE(bad);
    auto written = writeFileJoined(out, {a, bad});
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().message.find(bad), std::string::npos);
    EXPECT_EQ(*readFileBytes(out), before);
    EXPECT_EQ(entriesIn(dir.path()), entries);
  }
}

TEST(FileReplace, ProcessKilledMidWriteKeepsOldFile) {
  const TempFolder dir("ruvo_replace");
  auto path = dir / "song.bat";
  ASSERT_TRUE(writeFileBytes(path, kOld));
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The default action of SIGXFSZ kills the writer at the limit.
    std::signal(SIGXFSZ, SIG_DFL);
    rlimit limit{4096, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    (void)writeFileBytes(path, kBig);
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(*readFileBytes(path), kOld);
}

TEST(FileReplace, KeepsPermissionsAndSymbolicLinks) {
  const TempFolder dir("ruvo_replace");
  auto path = dir / "real.bat";
  ASSERT_TRUE(writeFileBytes(path, kOld));
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  auto link = dir / "link.bat";
  std::filesystem::create_symlink(path, link);
  ASSERT_TRUE(writeFileBytes(link, "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(*readFileBytes(path), "new");
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
}
