#include "editor/project_session.h"

#include <filesystem>

#include "core/paths.h"
#include "editor/session_texts.h"
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

}  // namespace

ProjectSession::ProjectSession(SessionSettings& settings, SessionServices services)
    : m_settings(settings), m_services(services) {}

void ProjectSession::notify(SessionChange change) {
  if (m_listener) m_listener(change);
}

void ProjectSession::showError(const std::string& description) {
  m_services.prompts.message(description, std::string(kUnexpectedErrorTitle), MessageIcon::Critical);
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
    showError(table.error().message);
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
  auto path = m_services.files.openFile({"", std::string(kProjectFilter), "", "", 0});
  if (!path) return false;
  return openPath(*path);
}

bool ProjectSession::load(const std::string& path) {
  OpenOptions options{clearDefaultsFrom(settings()),
                      [this](const std::vector<std::string>& list) { return m_services.dialogs.selectTrack(list); },
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
      showError(loaded.error().message);
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
  addHistory(settings().History, path);
  notify(SessionChange::History);
}

bool ProjectSession::openPath(const std::string& path) {
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
    ImportOptions options{[this](const std::vector<std::string>& list) { return m_services.dialogs.selectTrack(list); },
                          tracePath()};
    appended = importMidiType(m_song, path, extension, options);
  } else {
    appended = appendProjectBatch(m_song, m_tables, path);
  }
  if (!appended) {
    if (appended.error().code == ErrorCode::BadFormat)
      m_services.prompts.message(std::string(kBadImportText), applicationTitle(settings()), MessageIcon::None);
    else
      showError(appended.error().message);
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
  ImportOptions options{[this](const std::vector<std::string>& list) { return m_services.dialogs.selectTrack(list); },
                        tracePath()};
  auto imported = ruvo::importFile(m_song, path, defaults, options);
  m_song.modified = true;
  notify(SessionChange::SongReplaced);
  notify(SessionChange::Title);
  if (!imported) {
    if (imported.error().code == ErrorCode::BadFormat)
      m_services.prompts.message(std::string(kBadImportText), applicationTitle(settings()), MessageIcon::None);
    else
      showError(imported.error().message);
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
    showError(saved.error().message);
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
  auto path = m_services.files.saveFile({"", std::string(kProjectFilter), folderOf(current), proposed, sequence ? 1 : 0});
  if (!path) return false;
  return saveAsPath(*path);
}

bool ProjectSession::saveAsPath(const std::string& path) {
  if (!playableTempo()) return false;
  std::string oldPath = m_song.projectPath;
  std::string oldCacheDir = m_song.cacheDir;
  auto saved = saveDocumentAs(m_song, m_tables, path, SaveOptions{folders().tempDir, settings().CacheEnable},
                              folders().programFolder);
  if (!saved) {
    // A failed batch save must not leave the window naming a file that
    // holds something else.
    m_song.projectPath = oldPath;
    m_song.cacheDir = oldCacheDir;
    showError(saved.error().message);
    return false;
  }
  if (lowerExtension(path) == ".vsq") return true;
  notify(SessionChange::Title);
  rememberInHistory(m_song.projectPath);
  return true;
}

void ProjectSession::trustEnteredTools(const std::vector<EnteredTool>& tools) {
  auto trusted = ruvo::trustEnteredTools(TrustedPrograms::fileBeside(folders().settingsFile), tools);
  if (!trusted)
    m_services.prompts.message(std::string(kToolNotTrustedText) + "\n" + trusted.error().message,
                               applicationTitle(settings()), MessageIcon::Warning);
}

void ProjectSession::setTempoText(const std::string& text) {
  if (m_song.tempoText == text) return;
  m_song.tempoText = text;
  m_song.modified = true;
}

bool ProjectSession::close(std::time_t now) {
  if (!confirmDropChanges()) return false;
  if (auto saved = saveSettings(folders().settingsFile, settings()); !saved) showError(saved.error().message);
  if (m_beforeTempRemoval) m_beforeTempRemoval();
  removeTempFiles(folders().tempDir);
  if (auto applied = applyCachePolicy(settings(), nativePath(m_song.cacheDir), now); !applied)
    showError(applied.error().message);
  return true;
}

std::optional<std::string> ProjectSession::readmePath() const {
  std::string path = joinPath(folders().programFolder, "readme.txt");
  if (!fileExists(path)) return std::nullopt;
  return path;
}

}  // namespace ruvo
