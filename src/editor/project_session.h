#pragma once
// The project's life cycle in the editor: start-up, new, open, open from the
// history, append, import, save and save as in every form, the save prompt
// before anything drops changes, and the clean-up on close. It talks to the
// user only through the service interfaces it is given, so the editor runs
// it with dialogs and tests run it with scripted answers.

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/file_chooser.h"
#include "core/prompts.h"
#include "interchange/import_dispatch.h"
#include "settings/entered_tools.h"
#include "settings/project_properties.h"
#include "settings/session_settings.h"
#include "song/song_model.h"
#include "voicebank/voice_bank.h"

namespace ruvo {

// The two dialogs of the life cycle.
class ProjectDialogs {
 public:
  virtual ~ProjectDialogs() = default;
  // The project-property dialog over `properties` (an empty cacheDir shows
  // the working folder's "temp.cache"): its confirmed values, or nothing
  // when cancelled.
  [[nodiscard]] virtual std::optional<ProjectProperties> editProject(const ProjectProperties& properties) = 0;
  // The track selection: the chosen track (1-based), 0 for OK with nothing
  // selected, -1 for Cancel. `sungNotes` holds the sung notes of each track
  // (empty when unknown).
  [[nodiscard]] virtual int selectTrack(const std::vector<std::string>& trackList,
                                        const std::vector<int>& sungNotes) = 0;
};

struct SessionServices {
  Prompts& prompts;
  FileChooser& files;
  ProjectDialogs& dialogs;
};

// What a command changed, for the window to refresh.
enum class SessionChange {
  SongReplaced,  // the song was cleared or read anew: labels, scroll, redraw
  SongChanged,   // notes were added: redraw
  Title,
  History,
};

class ProjectSession {
 public:
  ProjectSession(SessionSettings& settings, SessionServices services);

  Song& song() { return m_song; }
  const Song& song() const { return m_song; }
  VoiceBankTables& tables() { return m_tables; }
  Settings& settings() { return m_settings.settings; }
  const AppFolders& folders() const { return m_settings.folders; }
  SessionServices& services() { return m_services; }

  // Each listener hears every change, in the order they were added.
  void addListener(std::function<void(SessionChange)> listener) { m_listeners.push_back(std::move(listener)); }
  // Run just before the working folder's "temp.wav" is deleted on close, so
  // that its playback can be closed.
  void setBeforeTempFilesRemoved(std::function<void()> hook) { m_beforeTempRemoval = std::move(hook); }

  // Clears the song to the settings' defaults (start-up and New).
  void clear();
  std::string title() const;

  // Each command returns false when it stopped (cancelled or failed).
  bool confirmDropChanges();
  bool newProject();
  // The project-property dialog over the open project. Confirmed: the
  // values go into the song, the voice folder's alias table is loaded (when
  // a folder is set), the title is refreshed and the project is marked
  // changed, even when nothing was.
  bool editProperties();
  bool open();
  // Opens the file by its absolute, canonical path.
  bool openPath(const std::string& path);
  bool openHistory(size_t index);
  bool append();
  bool appendPath(const std::string& path);
  bool importFile();
  bool importPath(const std::string& path);
  bool save();
  bool saveAs();
  // Saves as the file by its absolute, canonical path.
  bool saveAsPath(const std::string& path);
  // Tool paths the user picked or typed in a dialog become trusted programs
  // (settings/entered_tools.h); a file that cannot take them is reported.
  void trustEnteredTools(const std::vector<EnteredTool>& tools);
  // Close: save prompt, then settings save and clean-up. False keeps the
  // window open.
  bool close(std::time_t now);

  // Replaces the alias table with `folder`'s oto.ini (an empty table for no
  // folder); a file that cannot be read is reported.
  void loadAliasTable(const std::string& folder);

  // The first of readmeCandidates that exists: "readme.txt" of the program
  // folder, the user guide and README of an installed copy, then those of
  // the source tree a build folder sits in.
  std::optional<std::string> readmePath() const;
  std::vector<std::string> readmeCandidates() const;

 private:
  void notify(SessionChange change);
  // A failure under "予期せぬエラー": what failed in the program's words,
  // then the system's details on their own line.
  void showError(std::string_view what, const std::string& detail);
  // Reads the file into a song of its own and only then replaces the open
  // one, so a file that cannot be read changes nothing. Values out of bounds
  // are brought within them (and the song marked changed).
  bool load(const std::string& path);
  // Names what the opened project lacks or had out of bounds: a voice folder
  // that does not exist, a tempo it cannot play, the values bounded.
  void reportOpenedProject(const std::vector<std::string>& bounded);
  // False, after naming the value, when the tempo box holds a tempo the song
  // cannot play: such a song is not saved.
  bool playableTempo();
  // The track chooser over the file at `path`.
  TrackChooser trackChooser(const std::string& path);
  // Adds the file to the history as an absolute, canonical path.
  void rememberInHistory(const std::string& path);
  // Where the open and save dialogs start: the project's folder, else the
  // folder of the newest history entry that still exists, else the working
  // folder of the program.
  std::string projectFolder() const;
  std::string tracePath() const;

  SessionSettings& m_settings;
  SessionServices m_services;
  Song m_song;
  VoiceBankTables m_tables;
  std::vector<std::function<void(SessionChange)>> m_listeners;
  std::function<void()> m_beforeTempRemoval;
};

}  // namespace ruvo
