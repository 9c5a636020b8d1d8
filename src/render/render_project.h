#pragma once
// The two renders: the whole project to its output WAV (saving the project
// as its batch first), and the selected notes to "temp.wav" in the working
// folder. Both write a batch, run it with the batch interpreter and judge
// success by the output file. What the editor asks the user (where to save
// the WAV) comes in through a callback, so the CLI and tests can answer it.
//
// A render is a RenderJob: starting it does the checks and writes the batch;
// polling it hands on the batch's progress and ends with the outcome. A
// window polls from its event loop; renderProject and renderSelection wait.
// With caching on, the resampler calls whose cache files are missing run in
// a pool of processes (resampler_pool.h) while the batch runs beside it:
// each per-note call of the batch waits until the pool has ended the calls
// making its note and every note before it, so the batch finds them made
// and writes what it would have written alone.

#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "render/batch_runner.h"
#include "render/cache_index.h"
#include "render/resampler_pool.h"
#include "render/tool_trust.h"
#include "song/song_model.h"
#include "voicebank/voice_bank.h"

namespace ruvo {

struct RenderContext {
  std::string workingFolder;  // tempDir
  std::string interpreter;    // path of ruvo-batch
  bool cacheEnable = true;
  ToolTrust trust;            // the programs the render may start
  // The batch leads a process group of its own, so that cancel() ends every
  // program it started. A console render leaves it off: Ctrl+C in the
  // terminal then reaches the batch and its programs as well.
  bool ownProcessGroup = false;
  // With caching on, the notes the script will resample are made first by
  // this many resampler processes at once (1..kMaxWorkers, clamped).
  int workers = defaultWorkerCount();
};

// A sung note the batch did not make a resampled file for.
struct UnrenderedNote {
  int index = 0;
  std::string lyric;
};

struct RenderOutcome {
  bool success = false;
  bool ran = false;         // the batch was started
  bool warning = false;     // show the message with a warning icon
  bool cancelled = false;   // the batch was stopped by cancel()
  std::string message;      // what to tell the user ("" for a silent cancel)
  std::vector<std::string> details;  // why it failed: which tool, which file
  std::string outputPath;   // the WAV, resolved against the batch folder
  // Not started because the project names programs nobody chose; message
  // describes the first. The caller may ask the user and render again.
  std::vector<UntrustedTool> untrusted;
  // The output was written, but these notes were not rendered (their
  // resampler wrote nothing): message names them and warning is set.
  std::vector<UnrenderedNote> unrendered;
};

// Asks for the output WAV, proposing `proposed`; nullopt cancels the render.
using OutputChooser = std::function<std::optional<std::string>(const std::string& proposed)>;

class RenderJob {
 public:
  using Started = std::variant<RenderJob, RenderOutcome>;
  // Checks, writes the batch and starts it; the outcome instead when the
  // render ends before anything runs (a refusal, a cancel, a failed write).
  static Started startProject(Song& song, VoiceBankTables& tables, const RenderContext& context,
                              const OutputChooser& chooseOutput);
  static Started startSelection(Song& song, VoiceBankTables& tables, const RenderContext& context);

  // Hands on what the pool and the batch report within `timeoutMs` (the
  // progress is the batch's: notes joined, from 0 of n on the first poll);
  // the outcome once the batch has ended. Dropping an unfinished job stops
  // waiting, not the batch; a pool still running is stopped first, and the
  // batch makes the notes it had left.
  std::optional<RenderOutcome> poll(int timeoutMs, const BatchRunObserver& observer);

  // Stops the resampler pool and the batch (with every program it started
  // when the context asked for a process group of its own), waits for them
  // to end, and removes the partial output (the output WAV and the joiner's ".whd"
  // and ".dat" beside it). The outcome says the render was cancelled; the
  // job is done with afterwards.
  RenderOutcome cancel();

 private:
  explicit RenderJob(RenderOutcome pending) : m_pending(std::move(pending)) {}
  static Started start(const Song& song, const RenderContext& context, const std::string& batchPath,
                       const std::string& output, RenderOutcome pending);

  void letBatchGoAhead();
  RenderOutcome finish(const BatchRunResult& result, const BatchRunObserver& observer);

  // The batch is declared before the pool so that the pool is stopped (and
  // its partial notes deleted) before a dropped job lets the batch go on.
  std::optional<BatchRun> m_run;
  std::optional<ResamplerPool> m_pool;  // until its calls have ended
  // Per call of the script (CacheCheck::calls): the pool call making its
  // note, or kNoPoolCall when its note is there already.
  static constexpr size_t kNoPoolCall = static_cast<size_t>(-1);
  std::vector<size_t> m_makers;
  size_t m_goneAhead = 0;              // calls of the batch let run
  bool m_announced = false;            // progress 0 of n handed on
  RenderOutcome m_pending;             // outputPath, and the success message
  std::string m_batchPath;
  std::optional<CacheCheck> m_cache;   // with caching on
  std::vector<std::string> m_lyrics;   // the song's lyrics, to name unrendered notes
};

RenderOutcome renderProject(Song& song, VoiceBankTables& tables, const RenderContext& context,
                            const OutputChooser& chooseOutput, const BatchRunObserver& observer);

RenderOutcome renderSelection(Song& song, VoiceBankTables& tables, const RenderContext& context,
                              const BatchRunObserver& observer);

// "次のノートは作成されませんでした:" with at most ten notes, then a count.
std::string unrenderedMessage(const std::vector<UnrenderedNote>& notes);

}  // namespace ruvo
