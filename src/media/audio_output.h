#pragma once
// The audio device as the media service sees it: a back end opens one
// output per clip, which feeds the clip's PlayCursor to the device while it
// runs. The SDL back end is the real one; tests may bring their own.

#include <memory>

#include "core/error.h"
#include "media/audio_clip.h"

namespace ruvo {

class AudioStream {
 public:
  virtual ~AudioStream() = default;
  // Starts or resumes handing the cursor's frames to the device.
  virtual void start() = 0;
  // Holds the device; the cursor stays where it is.
  virtual void hold() = 0;
};

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // Opens the device for the cursor's clip, held. Fails with a readable
  // reason when no device can be opened.
  [[nodiscard]] virtual Result<std::unique_ptr<AudioStream>> open(std::shared_ptr<PlayCursor> cursor) = 0;
};

}  // namespace ruvo
