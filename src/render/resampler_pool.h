#pragma once
// Runs the resampler calls of a render script ahead of the script, several
// at a time. Every call writes its own cache file and none reads another's,
// so they may run in any order and at once; the script then finds its cache
// files made and only joins. Each call is started the way the interpreter
// starts it (the script's folder, its variables as the environment, the
// same words), so the file it writes is the one the script would write.
//
// The pool has worker threads of its own, each running one resampler
// process at a time; what they report is handed on by poll(), on the
// caller's thread, so a window's event loop stays in charge of its widgets.

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "render/batch_runner.h"
#include "render/cache_index.h"
#include "render/script_calls.h"
#include "settings/worker_count.h"

namespace ruvo {

// The calls a render still has to make: the first call naming each cache
// file, when that file is missing (checkCache has deleted the stale ones).
std::vector<ResamplerCall> callsToMake(const CacheCheck& check);

class ResamplerPool {
 public:
  // Starts `workers` threads (at most one per call) on `calls`.
  static ResamplerPool start(std::vector<ResamplerCall> calls, int workers);

  ResamplerPool(ResamplerPool&&) noexcept;
  ResamplerPool& operator=(ResamplerPool&&) noexcept;
  ResamplerPool(const ResamplerPool&) = delete;
  ResamplerPool& operator=(const ResamplerPool&) = delete;
  // Cancels what still runs.
  ~ResamplerPool();

  // Waits up to `timeoutMs` for calls to end and hands each ended one on:
  // observer.resampled(k, n) with k calls ended of n (the first poll hands
  // on 0 of n before anything has ended), and for a call that
  // failed (a status other than 0, or no cache file written) a line naming
  // its note and status, then its output, through observer.output. True once
  // every call has ended and been handed on, or the pool was cancelled.
  bool poll(int timeoutMs, const BatchRunObserver& observer);

  // Whether calls[call] (as given to start) has ended and been handed on by
  // poll(), made or failed.
  bool handedOn(size_t call) const;

  // Starts no more calls, stops the running resamplers (and whatever they
  // started) with ChildProcess::stop(), and waits for the workers. The
  // cache file of a stopped call is deleted, so that nobody (a batch still
  // running) takes a partial note for a made one.
  void cancel();

 private:
  struct State;
  ResamplerPool() = default;
  void join();

  std::unique_ptr<State> m_state;
  std::vector<std::thread> m_workers;
};

}  // namespace ruvo
