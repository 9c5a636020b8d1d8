#include "media/media_service.h"

#include "core/paths.h"

namespace ruvo {

std::string MediaService::aliasOf(const std::string& path) { return baseNameOf(path); }

Result<MediaService::Entry*> MediaService::find(const std::string& name) {
  auto it = m_open.find(name);
  if (it != m_open.end()) return &it->second;
  auto failed = m_failedOpens.find(name);
  if (failed != m_failedOpens.end()) return fail(ErrorCode::NotFound, failed->second);
  return fail(ErrorCode::NotFound, "「" + name + "」は開かれていません。");
}

Result<void> MediaService::open(const std::string& path, const std::string& name) {
  close(name);
  auto remember = [&](Error error) -> Result<void> {
    m_failedOpens[name] = error.message;
    return tl::unexpected<Error>(std::move(error));
  };
  auto clip = loadAudioClip(path);
  if (!clip) return remember(clip.error());
  auto cursor = std::make_shared<PlayCursor>(std::make_shared<const AudioClip>(std::move(*clip)));
  auto stream = m_output.open(cursor);
  if (!stream) return remember(stream.error());
  m_open[name] = Entry{std::move(cursor), std::move(*stream)};
  return {};
}

Result<void> MediaService::play(const std::string& name) {
  auto entry = find(name);
  if (!entry) return tl::unexpected<Error>(entry.error());
  (*entry)->stream->start();
  (*entry)->running = true;
  (*entry)->paused = false;
  return {};
}

Result<void> MediaService::pause(const std::string& name) {
  auto entry = find(name);
  if (!entry) return tl::unexpected<Error>(entry.error());
  Entry& open = **entry;
  if (open.running && !open.cursor->atEnd()) {
    open.stream->hold();
    open.running = false;
    open.paused = true;
  }
  return {};
}

Result<void> MediaService::seekToStart(const std::string& name) {
  auto entry = find(name);
  if (!entry) return tl::unexpected<Error>(entry.error());
  Entry& open = **entry;
  open.stream->hold();
  open.cursor->rewind();
  open.running = false;
  open.paused = false;
  return {};
}

void MediaService::close(const std::string& name) {
  m_open.erase(name);
  m_failedOpens.erase(name);
}

void MediaService::closeAll() {
  m_open.clear();
  m_failedOpens.clear();
}

std::string MediaService::mode(const std::string& name) {
  auto entry = find(name);
  if (!entry) return "NG:" + entry.error().message;
  Entry& open = **entry;
  if (open.paused) return "paused";
  if (open.running && open.cursor->atEnd()) {
    // Played to its end: the device need not run on silence.
    open.stream->hold();
    open.running = false;
  }
  return open.running ? "playing" : "stopped";
}

std::optional<double> MediaService::position(const std::string& name) const {
  auto it = m_open.find(name);
  if (it == m_open.end()) return std::nullopt;
  const PlayCursor& cursor = *it->second.cursor;
  return static_cast<double>(cursor.frame()) / cursor.clip().sampleRate;
}

std::optional<size_t> MediaService::buffersHanded(const std::string& name) const {
  auto it = m_open.find(name);
  if (it == m_open.end()) return std::nullopt;
  return it->second.cursor->buffers();
}

Result<void> MediaService::preview(const std::string& path) {
  if (auto opened = open(path, kPreviewName); !opened) return opened;
  return play(kPreviewName);
}

}  // namespace ruvo
