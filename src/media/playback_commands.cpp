#include "media/playback_commands.h"

#include <filesystem>
#include <utility>

#include "core/paths.h"
#include "media/playback_messages.h"

namespace ruvo {

PlaybackCommands::PlaybackCommands(MediaService& media, Prompts& prompts, std::string workingFolder,
                                   std::string title)
    : m_media(media),
      m_prompts(prompts),
      m_workingFolder(std::move(workingFolder)),
      m_title(std::move(title)) {}

std::string PlaybackCommands::tempWav() const { return joinPath(m_workingFolder, "temp.wav"); }

void PlaybackCommands::report(const Error& error) {
  m_prompts.message(std::string(playback_messages::kCannotPlay) + error.message, m_title,
                    MessageIcon::Warning);
}

void PlaybackCommands::openAndPlay(const std::string& path, const std::string& name) {
  if (auto opened = m_media.open(path, name); !opened) return report(opened.error());
  if (auto played = m_media.play(name); !played) report(played.error());
}

bool PlaybackCommands::selectionNeedsRender() {
  const std::string mode = m_media.mode(kTempName);
  if (mode == "paused") {
    if (auto played = m_media.play(kTempName); !played) report(played.error());
    return false;
  }
  if (mode == "playing") return false;
  if (mode == "stopped") m_media.close(kTempName);
  return true;
}

void PlaybackCommands::playRendered() { openAndPlay(tempWav(), kTempName); }

void PlaybackCommands::playEarly() {
  m_media.close(kTempName);
  m_early = std::make_shared<GrowingClip>(tempWav() + ".whd", tempWav() + ".dat");
  m_rendering = true;
}

void PlaybackCommands::keepAhead() {
  if (!m_early) return;
  const bool opened = m_early->hasFormat();
  if (auto read = m_early->refresh(); !read) {
    m_early.reset();
    m_media.close(kTempName);
    return report(read.error());
  }
  if (!opened && m_early->hasFormat()) {
    if (auto open = m_media.openGrowing(m_early, kTempName); !open) {
      m_early.reset();
      return report(open.error());
    }
    if (auto played = m_media.play(kTempName); !played) report(played.error());
  }
  m_media.keepAhead(kTempName);
}

void PlaybackCommands::renderEnded(bool success) {
  const bool began = std::exchange(m_rendering, false);
  const std::shared_ptr<GrowingClip> early = std::exchange(m_early, nullptr);
  if (!success) {
    if (early) m_media.close(kTempName);
    return;
  }
  if (began && !early) return;  // stopped while rendering
  if (!early || !m_media.isGrowing(kTempName)) return playRendered();
  if (auto read = early->complete(); !read) {
    m_media.close(kTempName);
    return report(read.error());
  }
  m_media.keepAhead(kTempName);
}

void PlaybackCommands::playAgain() {
  // The finished file replaces what was played while it was written.
  if (!m_early && m_media.isGrowing(kTempName)) m_media.close(kTempName);
  if (m_media.mode(kTempName).starts_with("NG:")) {
    std::error_code ec;
    if (!std::filesystem::exists(tempWav(), ec)) return;
    if (auto opened = m_media.open(tempWav(), kTempName); !opened) return report(opened.error());
  }
  (void)m_media.seekToStart(kTempName);
  if (auto played = m_media.play(kTempName); !played) report(played.error());
}

void PlaybackCommands::pauseSelection() { (void)m_media.pause(kTempName); }

void PlaybackCommands::stopSelection() {
  m_early.reset();
  m_media.close(kTempName);
}

void PlaybackCommands::saveLastRender(FileChooser& files) {
  FileDialogRequest request;
  request.title = std::string(playback_messages::kSaveRenderTitle);
  request.filter = std::string(playback_messages::kSaveRenderFilter);
  request.defaultName = "temp.wav";
  auto chosen = files.saveFile(request);
  if (!chosen || *chosen == tempWav()) return;
  // A failed copy (no render yet) is not reported: there is nothing to save.
  std::error_code ec;
  std::filesystem::copy_file(tempWav(), *chosen, std::filesystem::copy_options::overwrite_existing, ec);
}

std::optional<std::string> PlaybackCommands::generatedFile(const Song& song) {
  if (song.projectPath.empty()) return std::nullopt;
  const std::string output = nativePath(song.outputFile);
  if (!output.empty() && output[0] == '/') return output;
  return joinPath(folderOf(nativePath(song.projectPath)), output);
}

std::optional<std::string> PlaybackCommands::existingGenerated(const Song& song, bool tellUser) {
  auto file = generatedFile(song);
  if (!file) {
    if (tellUser) m_prompts.message(std::string(playback_messages::kSaveFirst), m_title, MessageIcon::None);
    return std::nullopt;
  }
  std::error_code ec;
  if (!std::filesystem::is_regular_file(*file, ec)) {
    if (tellUser)
      m_prompts.message(std::string(playback_messages::kNotGenerated), m_title, MessageIcon::None);
    return std::nullopt;
  }
  return file;
}

void PlaybackCommands::playGenerated(const Song& song) {
  auto file = existingGenerated(song, true);
  if (!file) return;
  // Always from the beginning: whatever is open under the name is closed.
  const std::string name = MediaService::aliasOf(*file);
  m_media.close(name);
  openAndPlay(*file, name);
}

void PlaybackCommands::pauseGenerated(const Song& song) {
  if (auto file = existingGenerated(song, false)) (void)m_media.pause(MediaService::aliasOf(*file));
}

void PlaybackCommands::stopGenerated(const Song& song) {
  if (auto file = existingGenerated(song, false)) m_media.close(MediaService::aliasOf(*file));
}

}  // namespace ruvo
