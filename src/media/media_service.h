#pragma once
// Named open sound files, as the editor's play commands use them: a file is
// opened under a name, played, paused, resumed, rewound and closed by that
// name, and asked for its mode. Sound goes out through an AudioOutput back
// end, so this service sees no audio library.

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/error.h"
#include "media/audio_output.h"

namespace ruvo {

class MediaService {
 public:
  explicit MediaService(AudioOutput& output) : m_output(output) {}
  ~MediaService() { closeAll(); }
  MediaService(const MediaService&) = delete;
  MediaService& operator=(const MediaService&) = delete;

  // The name a file is opened under: its file name without folder and
  // extension ("/tmp/ruvo/temp.wav" gives "temp").
  static std::string aliasOf(const std::string& path);

  // Reads the file and opens the device for it, held at its start; a file
  // already open under the name is closed first. On failure the name is
  // not open and mode() tells why.
  [[nodiscard]] Result<void> open(const std::string& path, const std::string& name);
  // Opens a clip still being written (its format known) under a name, held
  // at its start. While it grows, a playing clip waits whenever the part
  // ready runs short (play_ahead.h); keepAhead() applies that rule.
  [[nodiscard]] Result<void> openGrowing(std::shared_ptr<const GrowingClip> clip, const std::string& name);
  // Holds or goes on with a growing clip that is playing, by what is ready
  // ahead of its position now; nothing for any other name.
  void keepAhead(const std::string& name);
  bool isGrowing(const std::string& name) const;
  // Plays from where the file stands (resumes a paused file).
  [[nodiscard]] Result<void> play(const std::string& name);
  [[nodiscard]] Result<void> pause(const std::string& name);
  // Stops and goes back to the first frame.
  [[nodiscard]] Result<void> seekToStart(const std::string& name);
  void close(const std::string& name);
  void closeAll();

  // "playing" (also while waiting for a growing clip), "paused" or "stopped"
  // (also after playing to the end); for a
  // name that is not open "NG:" and the reason.
  std::string mode(const std::string& name);
  // Seconds played since the start, and the buffers handed to the device
  // since the open; nothing for a name that is not open.
  std::optional<double> position(const std::string& name) const;
  std::optional<size_t> buffersHanded(const std::string& name) const;

  // Plays a file once from its start under a name of its own, ending any
  // preview still sounding.
  [[nodiscard]] Result<void> preview(const std::string& path);
  static constexpr const char* kPreviewName = "*preview";

 private:
  struct Entry {
    std::shared_ptr<PlayCursor> cursor;
    std::unique_ptr<AudioStream> stream;
    bool running = false;  // started and not paused
    bool paused = false;
    bool waiting = false;  // held until more of a growing clip is ready
  };
  Result<Entry*> find(const std::string& name);
  Result<void> openCursor(std::shared_ptr<PlayCursor> cursor, const std::string& name);
  static void runOrWait(Entry& entry);

  AudioOutput& m_output;
  std::map<std::string, Entry> m_open;
  std::map<std::string, std::string> m_failedOpens;  // why the last open of a name failed
};

}  // namespace ruvo
