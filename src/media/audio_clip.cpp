#include "media/audio_clip.h"

#include <memory>

#include <sndfile.h>

namespace ruvo {

namespace {

constexpr sf_count_t kMaxSeconds = 3600;

struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};

}  // namespace

Result<AudioClip> loadAudioClip(const std::string& path) {
  SF_INFO info{};
  std::unique_ptr<SNDFILE, SndfileCloser> file(sf_open(path.c_str(), SFM_READ, &info));
  if (!file) return fail(ErrorCode::Unreadable, path + ": " + sf_strerror(nullptr));
  if (info.channels < 1 || info.samplerate < 1000 || info.samplerate > 768000)
    return fail(ErrorCode::BadFormat, path + ": unplayable format (" + std::to_string(info.channels) +
                                          " channels at " + std::to_string(info.samplerate) + " Hz)");
  if (info.frames > kMaxSeconds * info.samplerate)
    return fail(ErrorCode::BadFormat, path + ": longer than an hour");

  const size_t channels = static_cast<size_t>(info.channels);
  std::vector<float> read(static_cast<size_t>(info.frames) * channels);
  const sf_count_t got = sf_readf_float(file.get(), read.data(), info.frames);
  if (got < 0) return fail(ErrorCode::BadFormat, path + ": " + sf_strerror(file.get()));
  read.resize(static_cast<size_t>(got) * channels);

  AudioClip clip;
  clip.sampleRate = info.samplerate;
  if (channels <= 2) {
    clip.channels = static_cast<int>(channels);
    clip.samples = std::move(read);
    return clip;
  }
  clip.channels = 1;
  clip.samples.resize(static_cast<size_t>(got));
  for (size_t frame = 0; frame < clip.samples.size(); ++frame) {
    float sum = 0;
    for (size_t c = 0; c < channels; ++c) sum += read[frame * channels + c];
    clip.samples[frame] = sum / static_cast<float>(channels);
  }
  return clip;
}

}  // namespace ruvo
