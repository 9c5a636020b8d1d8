#pragma once
// A recording's frequency table made anew by the resampler: the program is
// asked to render the recording at its own pitch with the flags "GN" (G:
// analyse again and replace the table), which leaves the table
// (recording_wav.frq) and a by-product "temp.wav" in the working folder.
// The program runs as a child in its own process group; the caller polls it
// from its event loop and may cancel it at any time.

#include <optional>
#include <string>
#include <vector>

#include "core/child_process.h"
#include "core/error.h"

namespace ruvo {

struct FrqGenerationCommand {
  std::string program;
  std::vector<std::string> arguments;
  std::string folder;  // the working folder
};

// The resampler `toolPath` (one pair of surrounding double quotes, as a
// stored setting may carry, is removed) on `recordingPath`, writing
// tempDir + "/temp.wav" with the arguments 100 100 GN 0 100.
FrqGenerationCommand frqGenerationCommand(std::string_view toolPath, const std::string& recordingPath,
                                          const std::string& tempDir);

class FrqGeneration {
 public:
  // Starts the program; fails when it cannot be started.
  [[nodiscard]] static Result<FrqGeneration> start(const FrqGenerationCommand& command,
                                                   const std::string& recordingPath);

  // Waits up to `timeoutMs` for the program; true once it has ended.
  bool poll(int timeoutMs);
  // Ends the program and everything it started (SIGTERM, SIGKILL after half
  // a second). outcome() then reports the cancel.
  void cancel();

  // Once ended: success when the program exited with status 0 and the table
  // exists; otherwise an error naming the recording, the exit status and
  // the program's last line of output.
  [[nodiscard]] Result<void> outcome() const;

 private:
  FrqGeneration(ChildProcess child, std::string recordingPath)
      : m_child(std::move(child)), m_recordingPath(std::move(recordingPath)) {}
  void keepLine(const std::string& line);

  ChildProcess m_child;
  std::string m_recordingPath;
  LineSplitter m_lines;
  std::string m_lastLine;
  bool m_ended = false;
  bool m_cancelled = false;
};

}  // namespace ruvo
