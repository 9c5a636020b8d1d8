#include "render/resampler_pool.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>

#include "core/child_process.h"
#include "core/program_lookup.h"

namespace ruvo {

namespace {

// How often a worker waiting for its resampler looks for a cancel; the
// resampler's end wakes it at once.
constexpr int kCancelCheckMs = 50;
// How long a stopped resampler gets to end on SIGTERM before SIGKILL.
constexpr int kStopGraceMs = 500;
constexpr int kNotStarted = -1;

struct Ended {
  size_t call = 0;
  int status = kNotStarted;
  std::vector<std::string> lines;
};

// The script's PATH, whose name the interpreter compares without regard to case.
std::string searchPathOf(const std::vector<std::string>& environment) {
  constexpr std::string_view kName = "PATH=";
  for (const std::string& entry : environment) {
    if (entry.size() < kName.size()) continue;
    bool same = true;
    for (size_t i = 0; i < kName.size(); ++i)
      same = same && (entry[i] == kName[i] || (entry[i] >= 'a' && entry[i] <= 'z' && entry[i] - 'a' + 'A' == kName[i]));
    if (same) return entry.substr(kName.size());
  }
  return {};
}

}  // namespace

struct ResamplerPool::State {
  std::vector<ResamplerCall> calls;
  std::atomic<bool> cancelled{false};
  std::mutex mutex;
  std::condition_variable changed;
  size_t next = 0;            // the next call to start (guarded)
  std::deque<Ended> ended;    // ended, not yet handed on (guarded)
  size_t handedOn = 0;        // the caller's thread only
  std::vector<bool> handed;   // per call (the caller's thread only)
  bool announced = false;     // "0 of n" handed on (the caller's thread only)

  Ended run(size_t index);
  void work();
};

Ended ResamplerPool::State::run(size_t index) {
  const ResamplerCall& call = calls[index];
  Ended result{index, kNotStarted, {}};
  auto program = findProgram(call.resampler, call.folder, searchPathOf(call.environment));
  if (!program) {
    result.lines.push_back("not a command or program: " + call.resampler);
    return result;
  }
  // The script makes its cache folder before its first call.
  std::error_code ec;
  std::filesystem::create_directories(call.cacheFolder, ec);

  ChildOptions options;
  options.folder = call.folder;
  options.environment = call.environment;
  options.out = ChildOptions::Output::Pipe;
  options.errToOut = true;
  options.ownProcessGroup = true;
  std::vector<std::string> arguments{call.recording, call.cacheFile};
  arguments.insert(arguments.end(), call.arguments.begin(), call.arguments.end());
  auto child = ChildProcess::start(*program, arguments, options);
  if (!child) {
    result.lines.push_back(child.error().message);
    return result;
  }
  LineSplitter splitter;
  auto keep = [&](const std::string& line) { result.lines.push_back(line); };
  auto sink = [&](ChildStream, std::string_view bytes) { splitter.feed(bytes, keep); };
  while (!child->poll(kCancelCheckMs, sink)) {
    if (cancelled) {
      child->stop(kStopGraceMs);
      std::filesystem::remove(call.cacheFile, ec);
      break;
    }
  }
  splitter.finish(keep);
  result.status = child->exitStatus().value_or(kNotStarted);
  return result;
}

void ResamplerPool::State::work() {
  while (true) {
    size_t index = 0;
    {
      std::lock_guard lock(mutex);
      if (cancelled || next == calls.size()) return;
      index = next++;
    }
    Ended result = run(index);
    {
      std::lock_guard lock(mutex);
      ended.push_back(std::move(result));
    }
    changed.notify_all();
  }
}

std::vector<ResamplerCall> callsToMake(const CacheCheck& check) {
  std::vector<ResamplerCall> calls;
  for (size_t i = 0; i < check.calls.size(); ++i) {
    if (i < check.makesFile.size() && check.makesFile[i] && !stampOf(check.calls[i].cacheFile).exists)
      calls.push_back(check.calls[i]);
  }
  return calls;
}

ResamplerPool ResamplerPool::start(std::vector<ResamplerCall> calls, int workers) {
  ResamplerPool pool;
  pool.m_state = std::make_unique<State>();
  pool.m_state->calls = std::move(calls);
  pool.m_state->handed.assign(pool.m_state->calls.size(), false);
  const size_t count = std::min(pool.m_state->calls.size(), static_cast<size_t>(clampWorkerCount(workers).count));
  State* state = pool.m_state.get();
  for (size_t i = 0; i < count; ++i) pool.m_workers.emplace_back([state] { state->work(); });
  return pool;
}

ResamplerPool::ResamplerPool(ResamplerPool&& other) noexcept = default;

ResamplerPool& ResamplerPool::operator=(ResamplerPool&& other) noexcept {
  if (this != &other) {
    cancel();
    m_state = std::move(other.m_state);
    m_workers = std::move(other.m_workers);
  }
  return *this;
}

ResamplerPool::~ResamplerPool() { cancel(); }

bool ResamplerPool::poll(int timeoutMs, const BatchRunObserver& observer) {
  if (!m_state) return true;
  State& state = *m_state;
  const size_t total = state.calls.size();
  if (!state.announced && observer.resampled) observer.resampled(0, static_cast<int>(total));
  state.announced = true;
  std::deque<Ended> ended;
  {
    std::unique_lock lock(state.mutex);
    state.changed.wait_for(lock, std::chrono::milliseconds(std::max(0, timeoutMs)),
                           [&] { return !state.ended.empty() || state.handedOn == total; });
    ended.swap(state.ended);
  }
  for (Ended& call : ended) {
    ++state.handedOn;
    state.handed[call.call] = true;
    if (observer.resampled) observer.resampled(static_cast<int>(state.handedOn), static_cast<int>(total));
    const ResamplerCall& made = state.calls[call.call];
    if (call.status == 0 && stampOf(made.cacheFile).exists) continue;
    if (!observer.output) continue;
    observer.output("resampler, note " + std::to_string(made.noteIndex) + ": " +
                    (call.status == kNotStarted ? std::string("not started")
                                                : "exit status " + std::to_string(call.status)) +
                    ", " + made.cacheName + (stampOf(made.cacheFile).exists ? " written" : " not written"));
    for (const std::string& line : call.lines) observer.output(line);
  }
  if (state.handedOn == total) {
    join();
    return true;
  }
  return state.cancelled;
}

bool ResamplerPool::handedOn(size_t call) const {
  return m_state && call < m_state->handed.size() && m_state->handed[call];
}

void ResamplerPool::cancel() {
  if (!m_state) return;
  m_state->cancelled = true;
  join();
  // The calls it stopped are not failures of theirs.
  m_state->ended.clear();
}

void ResamplerPool::join() {
  for (std::thread& worker : m_workers)
    if (worker.joinable()) worker.join();
  m_workers.clear();
}

}  // namespace ruvo
