#pragma once
// The two renders: the whole project to its output WAV (saving the project
// as its batch first), and the selected notes to "temp.wav" in the working
// folder. Both write a batch, run it with the batch interpreter and judge
// success by the output file. What the editor asks the user (where to save
// the WAV) comes in through a callback, so the CLI and tests can answer it.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "song/song_model.h"
#include "render/batch_runner.h"
#include "voicebank/voice_bank.h"

namespace ruvo {

struct RenderContext {
  std::string workingFolder;  // tempDir
  std::string interpreter;    // path of ruvo-batch
  bool cacheEnable = true;
};

struct RenderOutcome {
  bool success = false;
  bool ran = false;         // the batch was started
  bool warning = false;     // show the message with a warning icon
  std::string message;      // what to tell the user ("" for a silent cancel)
  std::vector<std::string> details;  // why it failed: which tool, which file
  std::string outputPath;   // the WAV, resolved against the batch folder
};

// Asks for the output WAV, proposing `proposed`; nullopt cancels the render.
using OutputChooser = std::function<std::optional<std::string>(const std::string& proposed)>;

RenderOutcome renderProject(Song& song, VoiceBankTables& tables, const RenderContext& context,
                            const OutputChooser& chooseOutput, const BatchRunObserver& observer);

RenderOutcome renderSelection(Song& song, VoiceBankTables& tables, const RenderContext& context,
                              const BatchRunObserver& observer);

}  // namespace ruvo
