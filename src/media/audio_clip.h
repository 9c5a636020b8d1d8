#pragma once
// A decoded sound ready for an audio device, and the play position that the
// device's thread advances while the editor's thread reads it.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/error.h"
#include "media/growing_clip.h"

namespace ruvo {

struct AudioClip {
  std::vector<float> samples;  // interleaved, full scale = 1
  int channels = 1;            // 1 or 2
  int sampleRate = 44100;      // Hz
  size_t frames() const { return samples.size() / static_cast<size_t>(channels); }
};

// Reads a WAV file of any rate, sample width or channel count that
// libsndfile understands; more than two channels are mixed to mono. Fails
// with the file's name and the reason on a missing, damaged or over-long
// file (more than an hour).
[[nodiscard]] Result<AudioClip> loadAudioClip(const std::string& path);

// Where playback of a clip, or of a clip still being written, stands. fill()
// runs on the audio thread; the rest may be called from any thread.
class PlayCursor {
 public:
  explicit PlayCursor(std::shared_ptr<const AudioClip> clip) : m_clip(std::move(clip)) {}
  explicit PlayCursor(std::shared_ptr<const GrowingClip> growing) : m_growing(std::move(growing)) {}

  int channels() const { return m_clip ? m_clip->channels : m_growing->channels(); }
  int sampleRate() const { return m_clip ? m_clip->sampleRate : m_growing->sampleRate(); }
  bool growing() const { return m_growing != nullptr; }
  // Frames that may be played; a growing clip has more to come until it is
  // complete.
  size_t readyFrames() const { return m_clip ? m_clip->frames() : m_growing->settledFrames(); }
  bool complete() const { return m_clip || m_growing->isComplete(); }

  // Copies the next ready frames into `out` (interleaved, channels() wide)
  // and zeros the rest; the position never passes what is ready.
  void fill(float* out, size_t frames) {
    const size_t channels = static_cast<size_t>(this->channels());
    const size_t total = readyFrames();
    size_t at = m_frame.load(std::memory_order_relaxed);
    const size_t count = at < total ? std::min(frames, total - at) : 0;
    if (m_clip)
      std::copy_n(m_clip->samples.data() + at * channels, count * channels, out);
    else
      m_growing->copy(at, count, out);
    std::fill(out + count * channels, out + frames * channels, 0.0f);
    m_frame.store(at + count, std::memory_order_release);
    m_buffers.fetch_add(1, std::memory_order_release);
  }
  void rewind() { m_frame.store(0, std::memory_order_release); }
  size_t frame() const { return m_frame.load(std::memory_order_acquire); }
  bool atEnd() const { return complete() && frame() >= readyFrames(); }
  // Seconds ready ahead of the position.
  double secondsAhead() const {
    const size_t ready = readyFrames();
    const size_t at = frame();
    return ready > at ? static_cast<double>(ready - at) / sampleRate() : 0.0;
  }
  // Buffers handed to the device since the clip was opened.
  size_t buffers() const { return m_buffers.load(std::memory_order_acquire); }

 private:
  std::shared_ptr<const AudioClip> m_clip;
  std::shared_ptr<const GrowingClip> m_growing;
  std::atomic<size_t> m_frame{0};
  std::atomic<size_t> m_buffers{0};
};

}  // namespace ruvo
