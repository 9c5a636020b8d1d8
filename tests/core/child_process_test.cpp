#include "core/child_process.h"

#include <csignal>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace ruvo {
namespace {

ChildOptions piped() {
  ChildOptions options;
  options.out = ChildOptions::Output::Pipe;
  options.err = ChildOptions::Output::Pipe;
  return options;
}

Result<int> shell(const std::string& script, const ChildOptions& options = {}) {
  return runChild("/bin/sh", {"-c", script}, options);
}

// The state letter of /proc/PID/stat ('Z' for a zombie that its new parent,
// not this process, has still to reap).
char processState(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(stat, line);
  size_t close = line.rfind(')');
  return close != std::string::npos && close + 2 < line.size() ? line[close + 2] : '?';
}

size_t openDescriptors() {
  size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

TEST(ChildProcess, ExitStatusIsTheProgramsOrOneHundredTwentyEightPlusTheSignal) {
  const std::pair<std::string, int> cases[] = {
      {"exit 0", 0}, {"exit 1", 1}, {"exit 7", 7}, {"exit 255", 255}, {"kill -9 $$", 128 + 9}, {"kill -15 $$", 128 + 15}};
  for (const auto& [script, status] : cases) {
    auto result = shell(script);
    ASSERT_TRUE(result) << script;
    EXPECT_EQ(*result, status) << script;
  }
}

TEST(ChildProcess, PipedOutputArrivesInOrderOnItsOwnStreamOrMerged) {
  auto child = ChildProcess::start("/bin/sh", {"-c", "i=1; while [ $i -le 500 ]; do echo line$i; i=$((i+1)); done; echo oops >&2"},
                                   piped());
  ASSERT_TRUE(child);
  std::vector<std::string> lines;
  std::string err;
  LineSplitter splitter;
  auto keep = [&](const std::string& line) { lines.push_back(line); };
  EXPECT_EQ(child->wait([&](ChildStream stream, std::string_view bytes) {
    if (stream == ChildStream::Out) {
      splitter.feed(bytes, keep);
    } else {
      err.append(bytes);
    }
  }), 0);
  splitter.finish(keep);
  ASSERT_EQ(lines.size(), 500u);
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], "line" + std::to_string(i + 1));
  EXPECT_EQ(err, "oops\n");

  ChildOptions merged = piped();
  merged.errToOut = true;
  auto both = ChildProcess::start("/bin/sh", {"-c", "echo a; echo b >&2; echo c"}, merged);
  ASSERT_TRUE(both);
  std::string text;
  both->wait([&](ChildStream stream, std::string_view bytes) {
    EXPECT_EQ(stream, ChildStream::Out);
    text.append(bytes);
  });
  EXPECT_EQ(text, "a\nb\nc\n");
}

TEST(ChildProcess, FolderEnvironmentAndArgumentsReachTheChildVerbatim) {
  testing::TempFolder folder;
  ChildOptions options = piped();
  options.folder = folder.path();
  options.environment = std::vector<std::string>{"RUVO_X=a b;c", "PATH=/usr/bin:/bin"};
  auto child = ChildProcess::start("/bin/sh", {"-c", "pwd; echo \"$RUVO_X\"; echo \"$0\"", "$(touch x) *"}, options);
  ASSERT_TRUE(child);
  std::string out;
  child->wait([&](ChildStream, std::string_view bytes) { out.append(bytes); });
  EXPECT_EQ(out, std::filesystem::canonical(folder.path()).string() + "\na b;c\n$(touch x) *\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "x"));
}

TEST(ChildProcess, AMissingProgramIsAnErrorNotAStatus) {
  auto missing = ChildProcess::start("/nonexistent/program", {}, {});
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ErrorCode::NotFound);
  EXPECT_NE(missing.error().message.find("/nonexistent/program"), std::string::npos);
}

TEST(ChildProcess, PollReturnsWhileTheChildRunsAndSeesItsEnd) {
  auto child = ChildProcess::start("/bin/sh", {"-c", "echo started; sleep 0.3; echo done"}, piped());
  ASSERT_TRUE(child);
  std::string out;
  auto sink = [&](ChildStream, std::string_view bytes) { out.append(bytes); };
  int rounds = 0;
  while (!child->poll(20, sink)) ++rounds;
  EXPECT_GE(rounds, 5);  // the caller's loop ran on while the child slept
  EXPECT_EQ(out, "started\ndone\n");
  EXPECT_EQ(child->exitStatus(), 0);

  // Output closed long before the end: poll() still waits for the end itself.
  auto quiet = ChildProcess::start("/bin/sh", {"-c", "exec >&- 2>&-; sleep 0.3; exit 3"}, piped());
  ASSERT_TRUE(quiet);
  rounds = 0;
  while (!quiet->poll(20, sink)) ++rounds;
  EXPECT_GE(rounds, 5);
  EXPECT_EQ(quiet->exitStatus(), 3);
}

TEST(ChildProcess, AChildOutlivesTheObjectThatStartedIt) {
  testing::TempFolder folder;
  const std::string marker = folder / "marker";
  {
    auto child = ChildProcess::start(
        "/bin/sh", {"-c", "i=0; while [ $i -lt 2000 ]; do echo filler; i=$((i+1)); done; sleep 0.2; echo > " + marker},
        piped());
    ASSERT_TRUE(child);
    EXPECT_FALSE(child->poll(0));
  }
  // Its output is drained by someone else, so it neither blocks nor dies.
  for (int i = 0; i < 100 && !std::filesystem::exists(marker); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(std::filesystem::exists(marker));
}

TEST(ChildProcess, StopEndsTheChildAndTheProgramsItStartedWithoutZombies) {
  for (bool group : {true, false}) {
    SCOPED_TRACE(group ? "own process group" : "no group");
    testing::TempFolder folder;
    const std::string pidFile = folder / "grandchild";
    ChildOptions options = piped();
    options.ownProcessGroup = group;
    // A shell that ignores SIGTERM and leaves a grandchild running.
    auto child = ChildProcess::start(
        "/bin/sh", {"-c", "trap '' TERM; sleep 30 & echo $! > " + pidFile + "; wait"}, options);
    ASSERT_TRUE(child);
    for (int i = 0; i < 200 && !std::filesystem::exists(pidFile); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    child->stop(100);
    EXPECT_EQ(child->exitStatus(), 128 + SIGKILL);
    if (!group) continue;
    std::ifstream in(pidFile);
    pid_t grandchild = 0;
    in >> grandchild;
    ASSERT_GT(grandchild, 0);
    bool gone = false;
    for (int i = 0; i < 200 && !gone; ++i) {
      gone = ::kill(grandchild, 0) != 0 || processState(grandchild) == 'Z';
      if (!gone) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(gone);
  }
}

TEST(ChildProcess, TheInputChannelCarriesBytesAndTheirEndAndAGoneReaderIsAnError) {
  ChildOptions options = piped();
  options.inputChannel = true;
  // Reads a line, answers, then copies the rest until the input ends.
  auto child = ChildProcess::start("/bin/sh", {"-c", "read first; echo got $first; cat"}, options);
  ASSERT_TRUE(child);
  ASSERT_TRUE(child->writeInput("one\n"));
  std::string out;
  auto sink = [&](ChildStream, std::string_view bytes) { out.append(bytes); };
  for (int i = 0; i < 200 && out.empty(); ++i) child->poll(10, sink);
  EXPECT_EQ(out, "got one\n");
  ASSERT_TRUE(child->writeInput("two\nthree"));
  child->closeInput();
  EXPECT_EQ(child->wait(sink), 0);
  EXPECT_EQ(out, "got one\ntwo\nthree");
  EXPECT_FALSE(child->writeInput("closed\n"));

  // A child that has ended without reading: an error, and this process lives on.
  auto gone = ChildProcess::start("/bin/true", {}, options);
  ASSERT_TRUE(gone);
  ASSERT_EQ(gone->wait(), 0);
  EXPECT_FALSE(gone->writeInput(std::string(1 << 20, 'x')));
}

TEST(ChildProcess, AThousandStartsLeakNoFileDescriptor) {
  const size_t before = openDescriptors();
  for (int i = 0; i < 1000; ++i) {
    ChildOptions options = piped();
    options.inputChannel = i % 2 == 0;
    auto child = ChildProcess::start("/bin/true", {}, options);
    ASSERT_TRUE(child);
    ASSERT_EQ(child->wait(), 0);
  }
  ASSERT_FALSE(ChildProcess::start("/nonexistent", {}, piped()));
  EXPECT_EQ(openDescriptors(), before);
}

}  // namespace
}  // namespace ruvo
