#pragma once
// Runs a render batch with the batch interpreter as a child process in the
// batch's own folder, streams its progress and output to the caller, waits
// for it, and judges success by whether the output file exists afterwards.

#include <functional>
#include <string>

#include "core/error.h"

namespace ruvo {

struct BatchRunObserver {
  // "note k of n": called as the interpreter starts each per-note call.
  std::function<void(int k, int n)> progress;
  // Every other line the interpreter or the programs it runs print.
  std::function<void(const std::string& line)> output;
};

struct BatchRunResult {
  bool outputExists = false;  // the render's success
  std::string outputPath;     // where the output was looked for
  int exitStatus = -1;        // the interpreter's exit status
};

// `interpreter` is the path of ruvo-batch. The batch path must name a folder;
// a relative output path is taken relative to the batch folder. An error is
// returned only when the batch cannot be run at all.
[[nodiscard]] Result<BatchRunResult> runBatch(const std::string& interpreter, const std::string& batchPath,
                                              const std::string& outputPath, const BatchRunObserver& observer);

// Parses an interpreter progress line "progress K N".
bool parseProgressLine(const std::string& line, int& k, int& n);

}  // namespace ruvo
