#pragma once
// The editor's play commands over the media service: the selection render
// "temp.wav" of the working folder (play, play again, pause, stop, save) and
// the project's generated output (play from the start, pause, stop). The
// media service's mode is the only playback state; nothing is kept here.

#include <memory>
#include <optional>
#include <string>

#include "core/file_chooser.h"
#include "core/prompts.h"
#include "media/media_service.h"
#include "song/song_model.h"

namespace ruvo {

class PlaybackCommands {
 public:
  // `title` heads the message boxes.
  PlaybackCommands(MediaService& media, Prompts& prompts, std::string workingFolder, std::string title);

  std::string tempWav() const;
  static constexpr const char* kTempName = "temp";

  // Play selection, before rendering: resumes a paused render and leaves a
  // playing one alone (false); otherwise closes it and answers true: the
  // selection is to be rendered anew and then played with playRendered().
  [[nodiscard]] bool selectionNeedsRender();
  // Opens the fresh "temp.wav" and plays it; a file or device that cannot
  // play is reported once.
  void playRendered();
  // A selection render has started: its output is played while it is
  // written, from when its first seconds are joined (keepAhead() looks).
  void playEarly();
  // While the render runs: takes in what was joined, opens the output once
  // its header is there, and holds or goes on by what is ready.
  void keepAhead();
  // The selection render has ended (or ended before it ran, without
  // playEarly()): a successful one plays to its end, or from its start when
  // nothing of it was open yet, unless stopped meanwhile; a failed one is
  // closed.
  void renderEnded(bool success);
  // Plays "temp.wav" from its start, reopening it when it was closed; with
  // no render made yet nothing is heard and nothing is said.
  void playAgain();
  void pauseSelection();
  void stopSelection();
  // Copies "temp.wav" to a file the user chooses.
  void saveLastRender(FileChooser& files);

  // The generated output of `song`: nothing when the project was never saved.
  static std::optional<std::string> generatedFile(const Song& song);
  void playGenerated(const Song& song);
  void pauseGenerated(const Song& song);
  void stopGenerated(const Song& song);

 private:
  void openAndPlay(const std::string& path, const std::string& name);
  void report(const Error& error);
  std::optional<std::string> existingGenerated(const Song& song, bool tellUser);

  MediaService& m_media;
  Prompts& m_prompts;
  std::string m_workingFolder;
  std::string m_title;
  std::shared_ptr<GrowingClip> m_early;  // the running selection render's output
  bool m_rendering = false;              // playEarly() was called for the running render
};

}  // namespace ruvo
