#include "media/sdl_audio/sdl_audio_output.h"

#include <SDL.h>

namespace ruvo {

namespace {

// Frames per device buffer: about 23 ms at 44.1 kHz, short enough that
// playback starts at once and long enough not to starve on a busy machine.
constexpr Uint16 kBufferFrames = 1024;

class SdlStream final : public AudioStream {
 public:
  SdlStream(SDL_AudioDeviceID device, std::shared_ptr<PlayCursor> cursor)
      : m_device(device), m_cursor(std::move(cursor)) {}
  ~SdlStream() override { SDL_CloseAudioDevice(m_device); }
  SdlStream(const SdlStream&) = delete;
  SdlStream& operator=(const SdlStream&) = delete;

  void start() override { SDL_PauseAudioDevice(m_device, 0); }
  void hold() override { SDL_PauseAudioDevice(m_device, 1); }

  static void SDLCALL feed(void* user, Uint8* stream, int bytes) {
    auto* cursor = static_cast<PlayCursor*>(user);
    const size_t frameBytes = sizeof(float) * static_cast<size_t>(cursor->channels());
    cursor->fill(reinterpret_cast<float*>(stream), static_cast<size_t>(bytes) / frameBytes);
  }

 private:
  SDL_AudioDeviceID m_device;
  std::shared_ptr<PlayCursor> m_cursor;  // kept alive while the device may call feed()
};

Error deviceError(const char* what) {
  return Error{ErrorCode::Failed,
               std::string("サウンドデバイスを開けません（") + what + ": " + SDL_GetError() + "）"};
}

}  // namespace

SdlAudioOutput::~SdlAudioOutput() {
  if (m_started) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Result<std::unique_ptr<AudioStream>> SdlAudioOutput::open(std::shared_ptr<PlayCursor> cursor) {
  if (!m_started) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return tl::unexpected<Error>(deviceError("audio"));
    m_started = true;
  }
  SDL_AudioSpec want{};
  want.freq = cursor->sampleRate();
  want.format = AUDIO_F32SYS;
  want.channels = static_cast<Uint8>(cursor->channels());
  want.samples = kBufferFrames;
  want.callback = &SdlStream::feed;
  want.userdata = cursor.get();
  SDL_AudioSpec have{};
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device == 0)
    return tl::unexpected<Error>(
        deviceError(SDL_GetCurrentAudioDriver() ? SDL_GetCurrentAudioDriver() : "device"));
  return std::make_unique<SdlStream>(device, std::move(cursor));
}

}  // namespace ruvo
