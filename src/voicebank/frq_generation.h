#pragma once
// Making frequency tables anew: the resampler is run once per recording with
// the table command (recording, a scratch output, "100 100 GN 0 100") and is
// expected to leave the recording's "_wav.frq" behind; a run that ends with
// another status or without the table is a problem, told with the
// program's last line of output. A run goes one
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
  // One pair of double quotes around `toolPath`, as a stored setting may
  // carry, is removed.
  FrqGeneration(std::string toolPath, std::string workFolder, std::vector<std::string> recordings, Touched touched);

  // Starts the next recording when none runs, else waits up to `waitMs` for
  // the running one. True once every recording is done or the run was
  // cancelled.
  bool step(int waitMs);
  void cancel();

  size_t done() const { return m_next - (m_child ? 1 : 0); }
  size_t total() const { return m_recordings.size(); }
  bool cancelled() const { return m_cancelled; }
  // What went wrong, one line per recording: a program that could not start,
  // ended with a status other than 0 or made no table.
  const std::vector<std::string>& problems() const { return m_problems; }

 private:
  void finishCurrent();

  std::string m_toolPath;
  std::string m_workFolder;
  std::vector<std::string> m_recordings;
  Touched m_touched;
  size_t m_next = 0;
  std::optional<ChildProcess> m_child;
  LineSplitter m_output;
  std::string m_lastLine;  // the running program's last line of output
  bool m_cancelled = false;
  std::vector<std::string> m_problems;
};

}  // namespace ruvo
