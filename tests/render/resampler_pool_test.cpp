#include "render/resampler_pool.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

// Stand-ins for the resampler: $1 is the recording, $2 the note to write.
const std::string kWrites = "#!/bin/sh\nprintf '%s' \"$1\" > \"$2\"\n";
const std::string kFails = "#!/bin/sh\necho \"cannot read $1\"\nexit 3\n";
// Ignores SIGTERM and leaves a child of its own behind, both noting their ids.
const std::string kHangs = "#!/bin/sh\ntrap '' TERM\necho $$ >> \"$2.pids\"\nsleep 60 &\necho $! >> \"$2.pids\"\nwait\n";

// The state letter and parent of a process; nullopt once it is gone.
std::optional<std::pair<char, pid_t>> processState(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  if (!std::getline(stat, text)) return std::nullopt;
  std::istringstream rest(text.substr(text.rfind(')') + 1));
  char state = 0;
  pid_t parent = 0;
  rest >> state >> parent;
  return std::make_pair(state, parent);
}

std::vector<pid_t> childrenOfThisProcess() {
  std::vector<pid_t> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    auto state = processState(std::stoi(name));
    if (state && state->second == getpid()) children.push_back(std::stoi(name));
  }
  return children;
}

class ResamplerPoolTest : public ::testing::Test {
 protected:
  std::string program(const std::string& name, const std::string& text) {
    const std::string path = dir / name;
    EXPECT_TRUE(writeFileBytes(path, text));
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
  }

  ResamplerCall call(int note, const std::string& resampler) {
    ResamplerCall made;
    made.noteIndex = note;
    made.cacheFolder = dir / "song.cache";
    made.cacheName = "c" + std::to_string(note) + ".wav";
    made.cacheFile = made.cacheFolder + "/" + made.cacheName;
    made.resampler = resampler;
    made.recording = "r" + std::to_string(note);
    made.folder = dir.path();
    made.environment = {"PATH=/usr/bin:/bin"};
    return made;
  }

  // Polls until the pool is done; what it reported, by kind.
  void runToEnd(ResamplerPool& pool) {
    for (int i = 0; i < 600 && !pool.poll(100, observer); ++i) {
    }
  }

  TempFolder dir{"ruvo_pool"};
  std::vector<std::pair<int, int>> resampled;
  std::vector<std::string> output;
  BatchRunObserver observer{{}, [&](const std::string& line) { output.push_back(line); },
                            [&](int k, int n) { resampled.emplace_back(k, n); }};
};

}  // namespace

TEST_F(ResamplerPoolTest, OnlyTheFirstCallOfEachMissingCacheFileIsMadeAhead) {
  std::filesystem::create_directories(dir / "song.cache");
  ASSERT_TRUE(writeFileBytes(dir / "song.cache/c1.wav", "made"));
  CacheCheck check;
  check.calls = {call(0, "x"), call(1, "x"), call(2, "x"), call(2, "x")};
  check.calls[3].noteIndex = 3;
  check.makesFile = {true, true, true, false};
  std::vector<int> notes;
  for (const ResamplerCall& made : callsToMake(check)) notes.push_back(made.noteIndex);
  EXPECT_EQ(notes, (std::vector<int>{0, 2}));
}

TEST_F(ResamplerPoolTest, EveryCallIsMadeAndAFailingOneIsReportedForItsNote) {
  const std::string writes = program("writes.sh", kWrites);
  std::vector<ResamplerCall> calls;
  for (int note = 0; note < 7; ++note) calls.push_back(call(note, note == 4 ? program("fails.sh", kFails) : writes));
  calls.push_back(call(9, "no-such-resampler"));
  ResamplerPool pool = ResamplerPool::start(calls, 3);
  runToEnd(pool);

  ASSERT_EQ(resampled.size(), 9u);
  for (size_t i = 0; i < resampled.size(); ++i) EXPECT_EQ(resampled[i], std::make_pair(int(i), 8));
  for (int note : {0, 1, 2, 3, 5, 6})
    EXPECT_EQ(readFileBytes(dir / ("song.cache/c" + std::to_string(note) + ".wav")).value_or(""),
              "r" + std::to_string(note));
  // Each failing note's report comes whole, the notes in the order they ended.
  ASSERT_EQ(output.size(), 4u);
  for (const auto& [header, line] : {std::pair<std::string, std::string>{"resampler, note 4: exit status 3, c4.wav not written", "cannot read r4"},
                                     {"resampler, note 9: not started, c9.wav not written", "not a command or program: no-such-resampler"}}) {
    auto at = std::find(output.begin(), output.end(), header);
    ASSERT_TRUE(at != output.end() && at + 1 != output.end()) << header;
    EXPECT_EQ(*(at + 1), line);
  }
}

TEST_F(ResamplerPoolTest, CancelStopsHangingResamplersAndLeavesNoZombies) {
  const std::string hangs = program("hangs.sh", kHangs);
  std::vector<ResamplerCall> calls{call(0, hangs), call(1, hangs), call(2, program("writes.sh", kWrites))};
  ResamplerPool pool = ResamplerPool::start(calls, 2);
  auto started = [&](int note) {
    auto pids = readTextLines(dir / ("song.cache/c" + std::to_string(note) + ".wav.pids"));
    return pids && pids->size() == 2 ? *pids : std::vector<std::string>();
  };
  for (int i = 0; i < 300 && (started(0).empty() || started(1).empty()); ++i) EXPECT_FALSE(pool.poll(20, observer));
  ASSERT_FALSE(started(0).empty() || started(1).empty());

  pool.cancel();
  EXPECT_TRUE(pool.poll(0, observer));
  EXPECT_EQ(childrenOfThisProcess(), std::vector<pid_t>{});
  // The stopped scripts are reaped; what they started was killed with them
  // (at most a zombie of another parent for a moment).
  auto ended = [](pid_t pid) {
    auto state = processState(pid);
    return !state || (state->first == 'Z' && state->second != getpid());
  };
  for (int note : {0, 1})
    for (const std::string& pid : started(note)) {
      for (int i = 0; i < 100 && !ended(std::stoi(pid)); ++i) usleep(20000);
      EXPECT_TRUE(ended(std::stoi(pid))) << pid << " still runs";
    }
  EXPECT_EQ(output, std::vector<std::string>{});
  EXPECT_FALSE(std::filesystem::exists(dir / "song.cache/c2.wav"));
}
