#include "editor/project_session.h"

#include <filesystem>

#include "core/paths.h"
#include "core/text_file.h"
#include "editor/session_texts.h"
#include "editor/track_notes.h"
#include "editor/window_title.h"
#include "interchange/import_dispatch.h"
#include "interchange/sequence_document.h"
#include "project/document_io.h"
#include "settings/exit_cleanup.h"
#include "settings/history.h"
#include "settings/settings_file.h"
#include "settings/song_defaults.h"
#include "settings/trusted_programs.h"
#include "song/value_bounds.h"

namespace ruvo {

namespace {

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(nativePath(path), ec);
}

bool folderExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(nativePath(path), ec);
}

// The path made absolute, with "." and ".." and symbolic links resolved as
// far as the folders exist, so that one file is one history entry from
// whatever folder the program started in.
std::string canonicalPath(const std::string& path) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(nativePath(path), ec);
  if (ec) return path;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(absolute, ec);
  return (ec ? absolute.lexically_normal() : canonical).string();
}

// The output name a project saved as `path` gets: the new file's name with
// ".wav" while the output is still the name a new project proposes or the
// one the old name gave; an output the user chose stays.
std::string outputAfterSaveAs(const Song& song, const std::string& path) {
  const std::string output = fileNameOf(song.outputFile);
  const bool derived = output.empty() || output == kNewOutputFile || output == song.projectName + ".wav" ||
                       (!song.projectPath.empty() && output == baseNameOf(song.projectPath) + ".wav");
  return derived ? joinPath(folderOf(song.outputFile), baseNameOf(path) + ".wav") : song.outputFile;
}

// A file read as a project batch that gave no note holds a project only when
// one of its lines is one the project writer writes ("@set ..." or "@rem
// project="): a text file chosen under all files is none.
bool holdsProjectLines(const std::string& path) {
  auto lines = readTextLines(path);
  if (!lines) return true;  // the reader has had its say on the file itself
  for (const std::string& line : *lines)
    if (line.starts_with("@set ") || line.starts_with("@rem project=")) return true;
  return false;
}

}  // namespace

ProjectSession::ProjectSession(SessionSettings& settings, SessionServices services)
    : m_settings(settings), m_services(services) {}

void ProjectSession::notify(SessionChange change) {
  for (const auto& listener : m_listeners) listener(change);
}

void ProjectSession::showError(std::string_view what, const std::string& detail) {
  m_services.prompts.message(std::string(what) + "\n" + detail, std::string(kUnexpectedErrorTitle),
                             MessageIcon::Critical);
}

void ProjectSession::loadAliasTable(const std::string& folder) {
  if (folder.empty()) {
    m_tables.oto = OtoTable{};
    return;
  }
  auto table = OtoTable::load(folder);
  if (table)
    m_tables.oto = std::move(*table);
  else
    showError(kVoiceBankFailedText, table.error().message);
}

std::string ProjectSession::tracePath() const { return joinPath(folders().tempDir, "test.log"); }

void ProjectSession::clear() {
  clearSong(m_song, clearDefaultsFrom(settings()));
  loadAliasTable(m_song.voiceFolder);
  notify(SessionChange::SongReplaced);
  notify(SessionChange::Title);
}

std::string ProjectSession::title() const { return windowTitle(m_song, m_settings.settings); }

bool ProjectSession::confirmDropChanges() {
  if (!m_song.modified) return true;
  Answer answer = m_services.prompts.ask(std::string(kSavePromptText), applicationTitle(settings()),
                                         MessageIcon::Warning, true);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::No) return true;
  return save();
}

bool ProjectSession::newProject() {
  if (!confirmDropChanges()) return false;
  ProjectProperties fields{std::string(kNewProjectName), std::string(kNewOutputFile),
                           clearDefaultsFrom(settings()).voiceFolder,
                           settings().Tool1Path,
                           settings().Tool2Path,
                           m_song.cacheDir,
                           ""};
  auto chosen = m_services.dialogs.editProject(fields);
  if (!chosen) return false;
  trustEnteredTools({{fields.joinerPath, chosen->joinerPath}, {fields.resamplerPath, chosen->resamplerPath}});
  clearSong(m_song, clearDefaultsFrom(settings()));
  m_song.tempoText = std::string(kDefaultTempoText);
  applyProjectProperties(m_song, *chosen);
  // The cache folder of the dialog is not kept: the first save derives it.
  m_song.cacheDir.clear();
  m_song.projectPath.clear();
  loadAliasTable(m_song.voiceFolder);
  m_song.modified = false;
  notify(SessionChange::SongReplaced);
  notify(SessionChange::Title);
  return true;
}

bool ProjectSession::editProperties() {
  const ProjectProperties shown = projectPropertiesOf(m_song);
  auto chosen = m_services.dialogs.editProject(shown);
  if (!chosen) return false;
  trustEnteredTools({{shown.joinerPath, chosen->joinerPath}, {shown.resamplerPath, chosen->resamplerPath}});
  applyProjectProperties(m_song, *chosen);
  if (!m_song.voiceFolder.empty()) loadAliasTable(m_song.voiceFolder);
  m_song.modified = true;
  notify(SessionChange::Title);
  return true;
}

bool ProjectSession::open() {
  if (!confirmDropChanges()) return false;
  auto path = m_services.files.openFile({"", std::string(kProjectFilter), projectFolder(), "", 0});
  if (!path) return false;
  return openPath(*path);
}

bool ProjectSession::load(const std::string& path) {
  OpenOptions options{clearDefaultsFrom(settings()),
                      trackChooser(path),
                      tracePath()};
  // Read beside the open song: a file that fails leaves it as it was.
  Song song;
  VoiceBankTables tables = m_tables;
  auto loaded = loadDocument(song, tables, path, options);
  if (!loaded) {
    if (loaded.error().code == ErrorCode::BadFormat)
      m_services.prompts.message(loaded.error().message == kBadSequenceFile ? std::string(kBadSequenceFile)
                                                                           : std::string(kBadImportText),
                                 applicationTitle(settings()), MessageIcon::None);
    else
      showError(kOpenFailedText, loaded.error().message);
    return false;
  }
  const std::string extension = lowerExtension(path);
  if (song.noteCount == 0 && extension != ".wsq" && extension != ".mid" && extension != ".smf" &&
      extension != ".vsq" && !holdsProjectLines(path)) {
    m_services.prompts.message(std::string(kNotAProjectText) + "\n" + path, applicationTitle(settings()),
                               MessageIcon::Warning);
    return false;
  }
  m_song = std::move(song);
  m_tables = std::move(tables);
  const std::vector<std::string> bounded = boundNotes(m_song);
  if (!bounded.empty()) m_song.modified = true;
  notify(SessionChange::SongReplaced);
  reportOpenedProject(bounded);
  return true;
}

void ProjectSession::reportOpenedProject(const std::vector<std::string>& bounded) {
  std::string text;
  if (!m_song.voiceFolder.empty() && !folderExists(m_song.voiceFolder))
    text = std::string(kMissingVoiceFolderText) + m_song.voiceFolder;
  if (const std::string tempo = tempoTextProblem(m_song.tempoText); !tempo.empty())
    text += (text.empty() ? "" : "\n") + tempo;
  if (!bounded.empty()) {
    text += (text.empty() ? "" : "\n\n") + std::string(kBoundedValuesText);
    for (const std::string& line : bounded) text += "\n" + line;
  }
  if (!text.empty()) m_services.prompts.message(text, applicationTitle(settings()), MessageIcon::Warning);
}

void ProjectSession::rememberInHistory(const std::string& path) {
  if (path.empty()) return;
  addHistory(settings().History, canonicalPath(path));
  notify(SessionChange::History);
}

bool ProjectSession::openPath(const std::string& named) {
  // Absolute, so that the project stays found whatever folder is current.
  const std::string path = canonicalPath(named);
  if (!load(path)) return false;
  notify(SessionChange::Title);
  rememberInHistory(path);
  return true;
}

bool ProjectSession::openHistory(size_t index) {
  if (index >= settings().History.size()) return false;
  if (!confirmDropChanges()) return false;
  std::string path = settings().History[index];
  if (!fileExists(path)) {
    removeHistory(settings().History, path);
    notify(SessionChange::History);
    m_services.prompts.message(std::string(kMissingHistoryText), applicationTitle(settings()), MessageIcon::Warning);
    return false;
  }
  return openPath(path);
}

bool ProjectSession::append() {
  auto path = m_services.files.openFile({"", std::string(kAppendFilter), "", "", 0});
  if (!path) return false;
  return appendPath(*path);
}

bool ProjectSession::appendPath(const std::string& path) {
  std::string extension = lowerExtension(path);
  Result<void> appended;
  if (extension == ".mid" || extension == ".wsq" || extension == ".smf") {
    ImportOptions options{trackChooser(path),
                          tracePath()};
    appended = importMidiType(m_song, path, extension, options);
  } else {
    appended = appendProjectBatch(m_song, m_tables, path);
  }
  if (!appended) {
    if (appended.error().code == ErrorCode::BadFormat)
      m_services.prompts.message(std::string(kBadImportText), applicationTitle(settings()), MessageIcon::None);
    else
      showError(kOpenFailedText, appended.error().message);
  }
  m_song.modified = true;
  notify(SessionChange::SongChanged);
  return static_cast<bool>(appended);
}

bool ProjectSession::importFile() {
  if (!confirmDropChanges()) return false;
  auto path = m_services.files.openFile({"", std::string(kImportFilter), "", "", 0});
  if (!path) return false;
  return importPath(*path);
}

bool ProjectSession::importPath(const std::string& path) {
  ClearDefaults defaults = clearDefaultsFrom(settings());
  loadAliasTable(defaults.voiceFolder);
  ImportOptions options{trackChooser(path),
                        tracePath()};
  auto imported = ruvo::importFile(m_song, path, defaults, options);
  m_song.modified = true;
  notify(SessionChange::SongReplaced);
  notify(SessionChange::Title);
  if (!imported) {
    if (imported.error().code == ErrorCode::BadFormat)
      m_services.prompts.message(std::string(kBadImportText), applicationTitle(settings()), MessageIcon::None);
    else
      showError(kOpenFailedText, imported.error().message);
    return false;
  }
  return true;
}

bool ProjectSession::playableTempo() {
  const std::string problem = tempoTextProblem(m_song.tempoText);
  if (problem.empty()) return true;
  m_services.prompts.message(problem, applicationTitle(settings()), MessageIcon::Warning);
  return false;
}

bool ProjectSession::save() {
  if (!m_song.modified) return true;
  if (!playableTempo()) return false;
  if (m_song.projectPath.empty()) return saveAs();
  Result<void> saved;
  if (endsWithNoCase(m_song.projectPath, ".wsq")) {
    saved = saveSequenceFile(m_song, m_song.projectPath);
  } else {
    auto written = saveAsProjectBatch(m_song, m_tables, m_song.projectPath,
                                      SaveOptions{folders().tempDir, settings().CacheEnable});
    if (!written) saved = tl::unexpected(written.error());
  }
  if (!saved) {
    showError(kSaveFailedText, saved.error().message);
    return false;
  }
  m_song.modified = false;
  notify(SessionChange::Title);
  return true;
}

bool ProjectSession::saveAs() {
  if (!playableTempo()) return false;
  const std::string& current = m_song.projectPath;
  bool sequence = endsWithNoCase(current, ".wsq");
  std::string proposed = current.empty() ? m_song.projectName : current.substr(0, current.size() - extensionOf(current).size());
  auto path = m_services.files.saveFile({"", std::string(kProjectFilter), projectFolder(), proposed, sequence ? 1 : 0});
  if (!path) return false;
  return saveAsPath(*path);
}

bool ProjectSession::saveAsPath(const std::string& named) {
  if (!playableTempo()) return false;
  const std::string path = canonicalPath(named);
  std::string oldPath = m_song.projectPath;
  std::string oldCacheDir = m_song.cacheDir;
  std::string oldOutput = m_song.outputFile;
  const std::string extension = lowerExtension(path);
  if (extension != ".vsq" && extension != ".mid") m_song.outputFile = outputAfterSaveAs(m_song, path);
  auto saved = saveDocumentAs(m_song, m_tables, path, SaveOptions{folders().tempDir, settings().CacheEnable},
                              folders().programFolder);
  if (!saved) {
    // A failed batch save must not leave the window naming a file that
    // holds something else.
    m_song.projectPath = oldPath;
    m_song.cacheDir = oldCacheDir;
    m_song.outputFile = oldOutput;
    showError(kSaveFailedText, saved.error().message);
    return false;
  }
  if (extension == ".vsq") return true;
  notify(SessionChange::Title);
  rememberInHistory(m_song.projectPath);
  return true;
}

TrackChooser ProjectSession::trackChooser(const std::string& path) {
  return [this, path](const std::vector<std::string>& list) {
    return m_services.dialogs.selectTrack(list, sungNotesPerTrack(path, list.size()));
  };
}

std::string ProjectSession::projectFolder() const {
  if (!m_song.projectPath.empty()) return folderOf(canonicalPath(m_song.projectPath));
  for (const std::string& recent : m_settings.settings.History)
    if (folderExists(folderOf(recent))) return folderOf(recent);
  std::error_code ec;
  return std::filesystem::current_path(ec).string();
}

void ProjectSession::trustEnteredTools(const std::vector<EnteredTool>& tools) {
  auto trusted = ruvo::trustEnteredTools(TrustedPrograms::fileBeside(folders().settingsFile), tools);
  if (!trusted)
    m_services.prompts.message(std::string(kToolNotTrustedText) + "\n" + trusted.error().message,
                               applicationTitle(settings()), MessageIcon::Warning);
}

bool ProjectSession::close(std::time_t now) {
  if (!confirmDropChanges()) return false;
  if (auto saved = saveSettings(folders().settingsFile, settings()); !saved) showError(kSettingsFailedText, saved.error().message);
  if (m_beforeTempRemoval) m_beforeTempRemoval();
  removeTempFiles(folders().tempDir);
  if (auto applied = applyCachePolicy(settings(), nativePath(m_song.cacheDir), now); !applied)
    showError(kCacheFailedText, applied.error().message);
  return true;
}

std::vector<std::string> ProjectSession::readmeCandidates() const {
  const std::string& program = folders().programFolder;
  return {joinPath(program, "readme.txt"),
          // installed: bin/ beside share/doc/ruvo/
          joinPath(program, "../share/doc/ruvo/guide/README.md"), joinPath(program, "../share/doc/ruvo/README.md"),
          // built: build/bin/ inside the source tree
          joinPath(program, "../../docs/guide/README.md"), joinPath(program, "../../README.md")};
}

std::optional<std::string> ProjectSession::readmePath() const {
  for (const std::string& path : readmeCandidates())
    if (fileExists(path)) return canonicalPath(path);
  return std::nullopt;
}

}  // namespace ruvo
