#include "render/render_project.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "core/paths.h"
#include "core/program_lookup.h"
#include "project/project_batch.h"
#include "render/cache_index.h"
#include "render/render_messages.h"

namespace ruvo {

namespace {

RenderOutcome message(std::string_view text, bool warning = false) {
  RenderOutcome outcome;
  outcome.message = std::string(text);
  outcome.warning = warning;
  return outcome;
}

bool isAbsolute(const std::string& path) { return !path.empty() && (path[0] == '/' || path[0] == '\\'); }

std::string resolveIn(const std::string& folder, const std::string& path) {
  std::string native = nativePath(path);
  return isAbsolute(native) ? native : joinPath(nativePath(folder), native);
}

// The batch would start these programs once per note. When one is missing
// every note fails while the joiner still writes silence, so the render
// would look like a success: refuse it before anything runs.
std::optional<std::string> missingTool(const Song& song, const std::string& batchFolder) {
  const char* searchPath = std::getenv("PATH");
  const std::pair<const char*, const std::string*> tools[] = {{"resampler", &song.resamplerPath},
                                                              {"joiner", &song.joinerPath}};
  for (const auto& [role, tool] : tools) {
    if (!findProgram(nativePath(*tool), nativePath(batchFolder), searchPath ? searchPath : ""))
      return std::string(role) + " not found: " + (tool->empty() ? std::string("(no program named)") : *tool);
  }
  return std::nullopt;
}

RenderOutcome runAndJudge(const Song& song, const RenderContext& context, const std::string& batchPath,
                          const std::string& output, const BatchRunObserver& observer) {
  std::string folder = folderOf(batchPath);
  if (folder.empty()) return message(render_messages::kBadBatchPath, true);
  RenderOutcome outcome;
  outcome.outputPath = resolveIn(folder, output);
  if (auto tool = missingTool(song, folder)) {
    // What the batch would do first: no stale output survives a failed render.
    std::error_code ec;
    std::filesystem::remove(outcome.outputPath, ec);
    if (observer.output) observer.output(*tool);
    outcome.message = std::string(render_messages::kRenderFailed);
    outcome.details.push_back(*tool);
    return outcome;
  }
  // Cached notes whose resampler inputs changed are deleted before the batch
  // runs; the inputs of the notes it made are recorded once it succeeded.
  std::optional<CacheCheck> cache;
  if (context.cacheEnable) {
    auto checked = checkCache(batchPath);
    if (!checked) {
      std::error_code ec;
      std::filesystem::remove(outcome.outputPath, ec);
      if (observer.output) observer.output("cache: " + checked.error().message);
      outcome.message = std::string(render_messages::kRenderFailed);
      outcome.details.push_back("cache: " + checked.error().message);
      return outcome;
    }
    if (observer.output)
      for (const std::string& warning : checked->warnings) observer.output("cache: " + warning);
    cache = std::move(*checked);
  }

  auto result = runBatch(context.interpreter, batchPath, output, observer);
  outcome.ran = result.has_value();
  outcome.success = result && result->outputExists;
  outcome.message = std::string(render_messages::kRenderFailed);
  if (!result) {
    if (observer.output) observer.output(result.error().message);
    outcome.details.push_back(result.error().message);
  } else if (!result->outputExists) {
    outcome.details.push_back("the batch " + batchPath + " ended with status " + std::to_string(result->exitStatus) +
                              " without writing " + outcome.outputPath);
  }
  if (outcome.success && cache) {
    if (auto recorded = recordCache(*cache); !recorded && observer.output)
      observer.output("cache: " + recorded.error().message);
  }
  return outcome;
}

}  // namespace

RenderOutcome renderProject(Song& song, VoiceBankTables& tables, const RenderContext& context,
                            const OutputChooser& chooseOutput, const BatchRunObserver& observer) {
  if (song.projectPath.empty())
    return message(song.modified ? render_messages::kSaveFirst : render_messages::kNothingCreated);
  if (song.voiceFolder.empty()) return message(render_messages::kNoVoiceFolder, true);

  std::string projectFolder = folderOf(song.projectPath);
  std::string folderPrefix = projectFolder.empty() ? std::string() : projectFolder + "/";
  if (!song.outputFile.empty() && !isAbsolute(song.outputFile) && song.outputFile.find('\\') == std::string::npos &&
      song.outputFile.find('/') == std::string::npos)
    song.outputFile = folderPrefix + song.outputFile;
  auto chosen = chooseOutput(song.outputFile);
  if (!chosen) return {};
  song.outputFile = *chosen;
  // Inside the folder of a batch project the output is kept relative to it.
  if (song.projectPath.ends_with(".bat") && !folderPrefix.empty() && song.outputFile.starts_with(folderPrefix))
    song.outputFile.erase(0, folderPrefix.size());

  auto script = saveAsProjectBatch(song, tables, song.projectPath, {context.workingFolder, context.cacheEnable});
  if (!script) return message(script.error().message);
  RenderOutcome outcome = runAndJudge(song, context, *script, song.outputFile, observer);
  if (outcome.success) outcome.message = song.outputFile + std::string(render_messages::kCreated);
  return outcome;
}

RenderOutcome renderSelection(Song& song, VoiceBankTables& tables, const RenderContext& context,
                              const BatchRunObserver& observer) {
  if (song.selFirst == song.noteCount && song.selLast == song.noteCount)
    return message(render_messages::kNoSelection);
  int first = std::min(song.selFirst, song.selLast);
  int last = std::max(song.selFirst, song.selLast);
  if (last == song.noteCount) last = song.noteCount - 1;
  std::string batch = joinPath(context.workingFolder, "temp.bat");
  std::error_code ec;
  std::filesystem::remove(batch, ec);
  auto written = writeScript(song, tables, {song.projectName, batch, first, last, "temp.wav", context.cacheEnable});
  if (!written || !std::filesystem::exists(batch, ec)) return message(render_messages::kTempProjectFailed);
  RenderOutcome outcome = runAndJudge(song, context, batch, "temp.wav", observer);
  if (outcome.success) outcome.message.clear();
  return outcome;
}

}  // namespace ruvo
