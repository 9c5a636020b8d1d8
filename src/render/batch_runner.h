#pragma once
// Runs a render batch with the batch interpreter as a child process in the
// batch's own folder, streams its progress and output to the caller, and
// judges success by whether the output file exists afterwards. A window uses
// BatchRun and polls it from its event loop; a console waits with runBatch.

#include <functional>
#include <optional>
#include <string>

#include "core/child_process.h"
#include "core/error.h"

namespace ruvo {

struct BatchRunObserver {
  // "note k of n": called as the interpreter starts each per-note call.
  std::function<void(int k, int n)> progress;
  // Every other line the interpreter or the programs it runs print.
  std::function<void(const std::string& line)> output;
  // "k of n resampled": called as each resampler call run ahead of the
  // batch ends (see resampler_pool.h).
  std::function<void(int k, int n)> resampled = {};
};

struct BatchRunResult {
  bool outputExists = false;  // the render's success
  std::string outputPath;     // where the output was looked for
  int exitStatus = -1;        // the interpreter's exit status
};

// One running batch. Dropping it before it has finished stops waiting without
// stopping the batch: the render goes on to its end in the background.
class BatchRun {
 public:
  // `interpreter` is the path of ruvo-batch. The batch path must name a
  // folder; a relative output path is taken relative to the batch folder.
  // With `ownProcessGroup` the batch leads a process group of its own, so
  // stop() ends the programs it started as well. With `waitForGoAhead` each
  // per-note call of the batch waits for a goAhead() (see endGoAhead()).
  [[nodiscard]] static Result<BatchRun> start(const std::string& interpreter, const std::string& batchPath,
                                              const std::string& outputPath, bool ownProcessGroup = false,
                                              bool waitForGoAhead = false);

  // Lets the next per-note call of a batch started with `waitForGoAhead` run.
  // Fails when the batch no longer listens (it has ended).
  [[nodiscard]] Result<void> goAhead();
  // Lets every call that is left run without waiting.
  void endGoAhead();

  // Hands on what the batch printed within `timeoutMs`; the result once the
  // batch has ended (and all its output was handed on), else nothing.
  std::optional<BatchRunResult> poll(int timeoutMs, const BatchRunObserver& observer);

  // Ends the batch, and all its programs when it leads its own process group
  // (SIGTERM, SIGKILL after `graceMs`), and reaps it; its unread output is
  // dropped.
  void stop(int graceMs);

 private:
  BatchRun(ChildProcess child, std::string outputPath)
      : m_child(std::move(child)), m_outputPath(std::move(outputPath)) {}
  ChildProcess m_child;
  std::string m_outputPath;
  LineSplitter m_lines;
};

// Starts the batch and waits for its end. An error is returned only when the
// batch cannot be run at all.
[[nodiscard]] Result<BatchRunResult> runBatch(const std::string& interpreter, const std::string& batchPath,
                                              const std::string& outputPath, const BatchRunObserver& observer);

// Parses an interpreter progress line "progress K N".
bool parseProgressLine(const std::string& line, int& k, int& n);

}  // namespace ruvo
