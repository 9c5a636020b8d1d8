#include <unistd.h>

#include <deque>
#include <iostream>

#include "cli/commands.h"
#include "cli/open_document.h"
#include "core/numbers.h"
#include "core/paths.h"
#include "render/render_project.h"
#include "render/trust_choice.h"
#include "settings/worker_count.h"

namespace ruvo::cli {

namespace {

// "FIRST:LAST" with note indices; either order selects the same notes.
bool parseSelection(const std::string& text, int& first, int& last) {
  size_t colon = text.find(':');
  if (colon == std::string::npos) return false;
  auto a = parseLeadingNumber(text.substr(0, colon));
  auto b = parseLeadingNumber(text.substr(colon + 1));
  if (!a || !b || a->length != colon || b->length != text.size() - colon - 1) return false;
  first = clampToInt32(a->value);
  last = clampToInt32(b->value);
  return first >= 0 && last >= 0;
}

constexpr size_t kRecentLines = 20;

bool isToolDiagnostic(const std::string& line) {
  for (std::string_view tool : {"resampler:", "resampler,", "not a command", "ruvo-batch:", "splicer:", "cache:"})
    if (line.starts_with(tool)) return true;
  return false;
}

// A one-line bar on stderr, redrawn in place, only for a terminal and not
// with --quiet.
class ProgressBar {
 public:
  explicit ProgressBar(bool quiet) : m_enabled(!quiet && ::isatty(2) == 1) {}
  // Notes joined, k of n.
  void show(int k, int n) {
    if (!m_enabled || n <= 0) return;
    constexpr int kWidth = 30;
    int filled = std::min(kWidth, k * kWidth / n);
    std::cerr << "\r[" << std::string(static_cast<size_t>(filled), '#')
              << std::string(static_cast<size_t>(kWidth - filled), ' ') << "] note " << k << " of " << n
              << "\033[K" << std::flush;
    m_drawn = true;
  }
  void line(const std::string& text) {
    clear();
    std::cerr << text << '\n';
  }
  void clear() {
    if (m_drawn) std::cerr << "\r\033[K" << std::flush;
    m_drawn = false;
  }

 private:
  bool m_enabled;
  bool m_drawn = false;
};

// The programs a render may start: the configured tools, the program
// folder's own, and those trusted before (a damaged list trusts none).
ToolTrust toolTrust(const ParsedArgs& args, const CliContext& context) {
  LoadedTrust loaded =
      loadToolTrust(context.session.settings, context.programFolder, context.session.folders.settingsFile);
  if (!loaded.problem.empty()) std::cerr << "ruvo-cli: warning: " << loaded.problem << '\n';
  loaded.trust.trustAll = args.has("--trust-tools");
  return loaded.trust;
}

// --jobs N, else the editor's choice in ruvo's own settings file, else one
// per core. A number out of range is clamped with a warning.
Result<int> workerCount(const ParsedArgs& args, const CliContext& context) {
  WorkerCount count;
  if (auto jobs = args.value("--jobs")) {
    auto asked = parseWorkerCount(*jobs);
    if (!asked)
      return fail(ErrorCode::BadArgument, "--jobs takes a whole number of resampler processes, got '" + *jobs + "'");
    count = clampWorkerCount(*asked);
  } else {
    count = workerCountBeside(context.session.folders.settingsFile);
  }
  if (!count.message.empty()) std::cerr << "ruvo-cli: warning: " << count.message << '\n';
  return count.count;
}

}  // namespace

int runRender(const ParsedArgs& args, const CliContext& context) {
  int first = 0, last = 0;
  auto selection = args.value("--select");
  if (selection && !parseSelection(*selection, first, last))
    return reportError({ErrorCode::BadArgument, "--select takes FIRST:LAST note indices, got '" + *selection + "'"});

  auto workers = workerCount(args, context);
  if (!workers) return reportError(workers.error());

  auto document = openFromArgs(args, context);
  if (!document) return reportError(document.error());
  Song& song = document->song;
  VoiceBankTables& tables = document->tables;
  if (auto voiceFolder = args.value("--voice-folder")) {
    // Render with this voice bank in place of the one the project names.
    song.voiceFolder = absolutePath(*voiceFolder);
    auto table = OtoTable::load(song.voiceFolder);
    if (!table) return reportError(table.error());
    tables.oto = std::move(*table);
  }

  // A project that names no joiner or resampler renders with the configured
  // ones, and so does every project with --use-configured-tools.
  const bool configured = args.has("--use-configured-tools");
  if (configured || song.joinerPath.empty()) song.joinerPath = context.defaults.joinerPath;
  if (configured || song.resamplerPath.empty()) song.resamplerPath = context.defaults.resamplerPath;

  // The tools' own diagnostics show as they come; everything else the batch
  // prints (the joiner reports every file it reads) is kept, and its last
  // lines are shown only when the render fails.
  ProgressBar bar(args.has("--quiet"));
  std::deque<std::string> recent;
  BatchRunObserver observer{[&](int k, int n) { bar.show(k, n); },
                            [&](const std::string& text) {
                              if (isToolDiagnostic(text)) bar.line(text);
                              recent.push_back(text);
                              if (recent.size() > kRecentLines) recent.pop_front();
                            }};
  RenderContext renderContext{context.workingFolder, context.programFolder + "/ruvo-batch", context.cacheEnable,
                              toolTrust(args, context)};
  renderContext.workers = *workers;
  RenderOutcome outcome;
  if (selection) {
    song.selFirst = std::min(first, song.noteCount);
    song.selLast = std::min(last, song.noteCount);
    outcome = renderSelection(song, tables, renderContext, observer);
  } else {
    auto answer = args.value("-o");
    std::string projectFolder = folderOf(song.projectPath);
    OutputChooser chooser = [&](const std::string& proposed) -> std::optional<std::string> {
      if (!answer) return proposed;
      std::string chosen = *answer;
      if (!chosen.empty() && chosen[0] != '/' && !projectFolder.empty()) chosen = joinPath(projectFolder, chosen);
      return chosen;
    };
    outcome = renderProject(song, tables, renderContext, chooser, observer);
  }
  bar.clear();
  warnAboutTables(tables);
  if (!outcome.untrusted.empty()) {
    for (const auto& tool : outcome.untrusted)
      std::cerr << "ruvo-cli: error: the project names a " << tool.role << " you have not chosen: " << tool.program
                << " (--trust-tools runs it, --use-configured-tools renders with your configured tools)\n";
    return kExitFailed;
  }
  if (outcome.success && !outcome.unrendered.empty()) {
    std::cout << outcome.outputPath << '\n';
    std::cerr << "ruvo-cli: warning: " << unrenderedMessage(outcome.unrendered) << '\n';
    return kExitFailed;
  }
  if (outcome.success) {
    std::cout << (outcome.message.empty() ? outcome.outputPath : outcome.message) << '\n';
    return kExitOk;
  }
  if (outcome.ran) {
    for (const auto& line : recent)
      if (!isToolDiagnostic(line)) std::cerr << line << '\n';
  }
  if (!outcome.message.empty()) std::cerr << outcome.message << '\n';
  for (const auto& detail : outcome.details) std::cerr << detail << '\n';
  return kExitFailed;
}

}  // namespace ruvo::cli
