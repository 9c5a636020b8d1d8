#pragma once
// The audio back end over SDL2: one device per open clip, fed from the
// clip's PlayCursor on SDL's audio thread; SDL converts the clip's rate and
// channels to what the device takes. The only file that sees SDL.

#include <memory>

#include "media/audio_output.h"

namespace ruvo {

class SdlAudioOutput final : public AudioOutput {
 public:
  SdlAudioOutput() = default;
  // Every stream must be gone before the output.
  ~SdlAudioOutput() override;
  SdlAudioOutput(const SdlAudioOutput&) = delete;
  SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

  // Starts SDL's audio on the first open (so a machine without sound starts
  // the editor as usual) and tries again on each open until it works.
  [[nodiscard]] Result<std::unique_ptr<AudioStream>> open(std::shared_ptr<PlayCursor> cursor) override;

 private:
  bool m_started = false;
};

}  // namespace ruvo
