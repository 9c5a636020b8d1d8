#pragma once
// Making frequency tables anew: the resampler is run once per recording with
// the table command (recording, a scratch output, "100 100 GN 0 100") and is
// expected to leave the recording's "_wav.frq" behind. A run goes one
// recording at a time and is driven by step(), so a window can poll it from
// a timer and stay live; cancel() ends the running resampler and everything
// it started.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/child_process.h"

namespace ruvo {

// The program and arguments of the table command for one recording; the
// scratch output is `workFolder`/temp.wav.
std::vector<std::string> frqGenerationArguments(const std::string& recordingPath, const std::string& workFolder);

class FrqGeneration {
 public:
  // Called for each recording whose table the resampler ran on (finished,
  // failed or cancelled), since its table may have changed.
  using Touched = std::function<void(const std::string& recordingPath)>;
  FrqGeneration(std::string toolPath, std::string workFolder, std::vector<std::string> recordings, Touched touched);

  // Starts the next recording when none runs, else waits up to `waitMs` for
  // the running one. True once every recording is done or the run was
  // cancelled.
  bool step(int waitMs);
  void cancel();

  size_t done() const { return m_next - (m_child ? 1 : 0); }
  size_t total() const { return m_recordings.size(); }
  bool cancelled() const { return m_cancelled; }
  // What went wrong: a program that could not start or ended with a status
  // other than 0, one line per recording.
  const std::vector<std::string>& problems() const { return m_problems; }

 private:
  void finishCurrent();

  std::string m_toolPath;
  std::string m_workFolder;
  std::vector<std::string> m_recordings;
  Touched m_touched;
  size_t m_next = 0;
  std::optional<ChildProcess> m_child;
  bool m_cancelled = false;
  std::vector<std::string> m_problems;
};

}  // namespace ruvo
