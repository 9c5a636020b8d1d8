#include "render/render_project.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>

#include "core/paths.h"
#include "project/note_sample.h"
#include "project/project_batch.h"
#include "render/cache_index.h"
#include "render/render_messages.h"
#include "song/value_bounds.h"

namespace ruvo {

namespace {

RenderOutcome message(std::string_view text, bool warning = false) {
  RenderOutcome outcome;
  outcome.message = std::string(text);
  outcome.warning = warning;
  return outcome;
}

// The batch would start these programs once per note. When one is missing
// every note fails while the joiner still writes silence, so the render
// would look like a success: refuse it before anything runs.
std::optional<std::string> missingTool(const Song& song, const std::string& batchFolder) {
  for (const auto& tool : songTools(song, batchFolder))
    if (!tool.program) return tool.role + " not found: " + (tool.named.empty() ? "(no program named)" : tool.named);
  return std::nullopt;
}

// A sung note whose recording name is absolute or climbs out with ".." would
// make the resampler read outside the voice folder and write its note outside
// the cache folder; one whose name holds a blank, a quote, '%' or a control
// character would reach the helper batch as several garbled arguments. Such
// a render does not start.
std::optional<RenderOutcome> refuseEscapingNotes(const Song& song, VoiceBankTables& tables, int first, int last) {
  for (int i = std::max(first, 0); i <= last && i < song.noteCount; ++i) {
    const Note& note = song.notes[static_cast<size_t>(i)];
    if (isRest(trimSpaces(note.lyric))) continue;
    const std::string sample = resolveNoteSample(song, tables, i).sample;
    const std::string label = "note " + std::to_string(i) + " (" + note.lyric + "): the recording '" + sample + "'";
    std::string problem;
    if (!staysInsideFolder(sample))
      problem = label + " lies outside the voice folder";
    else if (!renderableSample(sample))
      problem = label + " holds a blank, a double quote, '%' or a control character, which the helper batch cannot pass";
    if (problem.empty()) continue;
    RenderOutcome outcome = message(render_messages::kRenderFailed, true);
    outcome.details.push_back(problem);
    return outcome;
  }
  return std::nullopt;
}

// Time the batch and its programs get to end on SIGTERM before SIGKILL.
constexpr int kStopGraceMs = 500;
// While the pool and the batch both run, the wait is cut into slices this
// long, so the batch's output is read while waiting for the pool; a note the
// pool makes ends the slice at once.
constexpr int kPoolSliceMs = 5;

void removeOutput(const std::string& outputPath) {
  std::error_code ec;
  for (const char* suffix : {"", ".whd", ".dat"}) std::filesystem::remove(outputPath + suffix, ec);
}

RenderOutcome failedBeforeRunning(RenderOutcome outcome, const std::string& detail) {
  // What the batch would do first: no stale output survives a failed render.
  std::error_code ec;
  std::filesystem::remove(outcome.outputPath, ec);
  outcome.message = std::string(render_messages::kRenderFailed);
  outcome.details.push_back(detail);
  return outcome;
}

}  // namespace

std::string unrenderedMessage(const std::vector<UnrenderedNote>& notes) {
  constexpr size_t kNamed = 10;
  std::string text = "次のノートの音は作成されませんでした:";
  for (size_t i = 0; i < notes.size() && i < kNamed; ++i)
    text += (i == 0 ? " " : "、") + std::to_string(notes[i].index) + "「" + notes[i].lyric + "」";
  if (notes.size() > kNamed) text += " ほか" + std::to_string(notes.size() - kNamed) + "個";
  return text;
}

RenderJob::Started RenderJob::start(const Song& song, const RenderContext& context, const std::string& batchPath,
                                    const std::string& output, RenderOutcome pending) {
  std::string folder = folderOf(batchPath);
  if (folder.empty()) return message(render_messages::kBadBatchPath, true);
  pending.outputPath = resolvePath(folder, output);
  // Without its recordings every note would fail while the joiner still
  // writes silence.
  std::error_code ec;
  if (!song.voiceFolder.empty() && !std::filesystem::is_directory(resolvePath(folder, song.voiceFolder), ec))
    return message(std::string(render_messages::kMissingVoiceFolder) + song.voiceFolder, true);
  if (auto tool = missingTool(song, folder)) return failedBeforeRunning(pending, *tool);
  if (auto untrusted = untrustedTools(song, folder, context.trust); !untrusted.empty()) {
    RenderOutcome refused = message(untrustedToolMessage(untrusted.front()), true);
    refused.untrusted = std::move(untrusted);
    return refused;
  }
  // Cached notes whose resampler inputs changed are deleted before the batch
  // runs; the inputs of the notes it made are recorded once it succeeded.
  std::optional<CacheCheck> cache;
  if (context.cacheEnable) {
    auto checked = checkCache(batchPath);
    if (!checked) return failedBeforeRunning(pending, "cache: " + checked.error().message);
    cache = std::move(*checked);
  }
  RenderJob job(std::move(pending));
  job.m_batchPath = batchPath;
  std::vector<ResamplerCall> ahead = cache ? callsToMake(*cache) : std::vector<ResamplerCall>();
  const bool poolAhead = !ahead.empty();
  if (poolAhead) {
    std::map<std::string, size_t> maker;
    for (size_t i = 0; i < ahead.size(); ++i) maker.emplace(ahead[i].cacheFile, i);
    for (const ResamplerCall& call : cache->calls) {
      auto found = maker.find(call.cacheFile);
      job.m_makers.push_back(found == maker.end() ? kNoPoolCall : found->second);
    }
    // The pool starts first: the batch waits for it before its first note
    // anyway. A batch that cannot start ends the job, and with it the pool.
    job.m_pool = ResamplerPool::start(std::move(ahead), context.workers);
  }
  auto run = BatchRun::start(context.interpreter, batchPath, output, context.ownProcessGroup, poolAhead);
  if (!run) return failedBeforeRunning(job.m_pending, run.error().message);
  job.m_run = std::move(*run);
  if (poolAhead) job.letBatchGoAhead();
  job.m_cache = std::move(cache);
  for (int i = 0; i < song.noteCount; ++i) job.m_lyrics.push_back(song.notes[static_cast<size_t>(i)].lyric);
  return job;
}

void RenderJob::letBatchGoAhead() {
  while (m_goneAhead < m_makers.size()) {
    const size_t maker = m_makers[m_goneAhead];
    if (maker != kNoPoolCall && !m_pool->handedOn(maker)) return;
    // A batch that no longer listens has ended; poll() sees its end.
    if (!m_run->goAhead()) return;
    ++m_goneAhead;
  }
}

std::optional<RenderOutcome> RenderJob::poll(int timeoutMs, const BatchRunObserver& observer) {
  if (m_cache && observer.output) {
    for (const std::string& warning : m_cache->warnings) observer.output("cache: " + warning);
    m_cache->warnings.clear();
  }
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
  // The batch's count of notes joined is the render's progress; the pool's
  // count of notes resampled, always ahead of it, is not handed on.
  BatchRunObserver quiet = observer;
  quiet.resampled = {};
  if (m_pool && !m_announced && observer.progress) observer.progress(0, static_cast<int>(m_makers.size()));
  m_announced = true;
  while (m_pool) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    const bool made = m_pool->poll(static_cast<int>(std::clamp<long long>(left, 0, kPoolSliceMs)), quiet);
    letBatchGoAhead();
    if (made) {
      m_pool.reset();
      m_run->endGoAhead();
      break;
    }
    if (auto result = m_run->poll(0, observer)) {
      // The batch ended early (it failed or was ended from outside): the
      // notes still being made are of no use to it.
      m_pool->cancel();
      m_pool.reset();
      return finish(*result, observer);
    }
    if (Clock::now() >= deadline) return std::nullopt;
  }
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  auto result = m_run->poll(static_cast<int>(std::max<long long>(0, left)), observer);
  if (!result) return std::nullopt;
  return finish(*result, observer);
}

RenderOutcome RenderJob::finish(const BatchRunResult& result, const BatchRunObserver& observer) {
  RenderOutcome outcome = m_pending;
  outcome.ran = true;
  outcome.success = result.outputExists;
  if (!outcome.success) {
    outcome.message = std::string(render_messages::kRenderFailed);
    outcome.details.push_back("the batch " + m_batchPath + " ended with status " +
                              std::to_string(result.exitStatus) + " without writing " + outcome.outputPath);
    return outcome;
  }
  if (m_cache) {
    std::error_code ec;
    for (const auto& call : m_cache->calls) {
      if (std::filesystem::exists(call.cacheFile, ec)) continue;
      const bool known = call.noteIndex >= 0 && static_cast<size_t>(call.noteIndex) < m_lyrics.size();
      outcome.unrendered.push_back({call.noteIndex, known ? m_lyrics[static_cast<size_t>(call.noteIndex)] : ""});
    }
    if (auto recorded = recordCache(*m_cache); !recorded && observer.output)
      observer.output("cache: " + recorded.error().message);
  }
  if (!outcome.unrendered.empty()) {
    outcome.warning = true;
    outcome.message += (outcome.message.empty() ? "" : "\n") + unrenderedMessage(outcome.unrendered);
  }
  return outcome;
}

RenderOutcome RenderJob::cancel() {
  // The batch first: once the pool is stopped it would go ahead alone.
  if (m_run) m_run->stop(kStopGraceMs);
  if (m_pool) m_pool->cancel();
  m_pool.reset();
  removeOutput(m_pending.outputPath);
  RenderOutcome outcome = m_pending;
  outcome.ran = true;
  outcome.cancelled = true;
  outcome.message = std::string(render_messages::kRenderCancelled);
  return outcome;
}

RenderJob::Started RenderJob::startProject(Song& song, VoiceBankTables& tables, const RenderContext& context,
                                           const OutputChooser& chooseOutput) {
  if (song.projectPath.empty())
    return message(song.modified ? render_messages::kSaveFirst : render_messages::kNothingCreated);
  if (song.voiceFolder.empty()) return message(render_messages::kNoVoiceFolder, true);
  // Rendering saves the project: never with a tempo the song cannot play.
  if (std::string problem = tempoTextProblem(song.tempoText); !problem.empty()) return message(problem, true);

  std::string projectFolder = folderOf(song.projectPath);
  std::string folderPrefix = projectFolder.empty() ? std::string() : projectFolder + "/";
  // A bare file name is put beside the project.
  if (!song.outputFile.empty() && song.outputFile.find_first_of("/\\") == std::string::npos)
    song.outputFile = folderPrefix + song.outputFile;
  auto chosen = chooseOutput(song.outputFile);
  if (!chosen) return RenderOutcome{};
  song.outputFile = *chosen;
  // Inside the folder of a batch project the output is kept relative to it.
  if (song.projectPath.ends_with(".bat") && !folderPrefix.empty() && song.outputFile.starts_with(folderPrefix))
    song.outputFile.erase(0, folderPrefix.size());
  if (auto refused = refuseEscapingNotes(song, tables, 0, song.noteCount - 1)) return *refused;

  // A sequence-file project renders through a script in the working folder;
  // its own file is not written, so its changes stay unsaved.
  const bool unsavedSequence = song.modified && endsWithNoCase(song.projectPath, ".wsq");
  auto script = saveAsProjectBatch(song, tables, song.projectPath, {context.workingFolder, context.cacheEnable});
  if (unsavedSequence) song.modified = true;
  if (!script) return message(script.error().message);
  RenderOutcome pending;
  pending.message = song.outputFile + std::string(render_messages::kCreated);
  return start(song, context, *script, song.outputFile, std::move(pending));
}

RenderJob::Started RenderJob::startSelection(Song& song, VoiceBankTables& tables, const RenderContext& context) {
  if (song.selFirst == song.noteCount && song.selLast == song.noteCount)
    return message(render_messages::kNoSelection);
  int first = std::min(song.selFirst, song.selLast);
  int last = std::max(song.selFirst, song.selLast);
  if (last == song.noteCount) last = song.noteCount - 1;
  if (auto refused = refuseEscapingNotes(song, tables, first, last)) return *refused;
  std::string batch = joinPath(context.workingFolder, "temp.bat");
  std::error_code ec;
  std::filesystem::remove(batch, ec);
  auto written = writeScript(song, tables, {song.projectName, batch, first, last, "temp.wav", context.cacheEnable});
  if (!written || !std::filesystem::exists(batch, ec)) return message(render_messages::kTempProjectFailed);
  return start(song, context, batch, "temp.wav", RenderOutcome{});
}

namespace {
RenderOutcome waitFor(RenderJob::Started started, const BatchRunObserver& observer) {
  if (auto* outcome = std::get_if<RenderOutcome>(&started)) return std::move(*outcome);
  auto& job = std::get<RenderJob>(started);
  while (true) {
    if (auto outcome = job.poll(1000, observer)) return std::move(*outcome);
  }
}
}  // namespace

RenderOutcome renderProject(Song& song, VoiceBankTables& tables, const RenderContext& context,
                            const OutputChooser& chooseOutput, const BatchRunObserver& observer) {
  return waitFor(RenderJob::startProject(song, tables, context, chooseOutput), observer);
}

RenderOutcome renderSelection(Song& song, VoiceBankTables& tables, const RenderContext& context,
                              const BatchRunObserver& observer) {
  return waitFor(RenderJob::startSelection(song, tables, context), observer);
}

}  // namespace ruvo
