#include "media/media_service.h"

#include "core/paths.h"
#include "media/play_ahead.h"

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
  auto clip = loadAudioClip(path);
  if (!clip) {
    m_failedOpens[name] = clip.error().message;
    return tl::unexpected<Error>(clip.error());
  }
  return openCursor(std::make_shared<PlayCursor>(std::make_shared<const AudioClip>(std::move(*clip))), name);
}

Result<void> MediaService::openGrowing(std::shared_ptr<const GrowingClip> clip, const std::string& name) {
  close(name);
  return openCursor(std::make_shared<PlayCursor>(std::move(clip)), name);
}

Result<void> MediaService::openCursor(std::shared_ptr<PlayCursor> cursor, const std::string& name) {
  auto stream = m_output.open(cursor);
  if (!stream) {
    m_failedOpens[name] = stream.error().message;
    return tl::unexpected<Error>(stream.error());
  }
  m_open[name] = Entry{std::move(cursor), std::move(*stream)};
  return {};
}

void MediaService::runOrWait(Entry& entry) {
  const PlayCursor& cursor = *entry.cursor;
  entry.waiting = cursor.growing() && playAheadWaits(entry.waiting, cursor.secondsAhead(), cursor.complete());
  if (entry.waiting)
    entry.stream->hold();
  else
    entry.stream->start();
}

void MediaService::keepAhead(const std::string& name) {
  auto it = m_open.find(name);
  if (it == m_open.end() || !it->second.running || !it->second.cursor->growing()) return;
  runOrWait(it->second);
}

bool MediaService::isGrowing(const std::string& name) const {
  auto it = m_open.find(name);
  return it != m_open.end() && it->second.cursor->growing();
}

Result<void> MediaService::play(const std::string& name) {
  auto entry = find(name);
  if (!entry) return tl::unexpected<Error>(entry.error());
  runOrWait(**entry);
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
    open.waiting = false;
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
  open.waiting = false;
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
  return static_cast<double>(cursor.frame()) / cursor.sampleRate();
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
