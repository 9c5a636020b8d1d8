#include "resampler/wav_file.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>

#include <sndfile.h>

#include "resampler/constants.h"

namespace ruvo::resampler {

namespace {

struct SndfileCloser {
  void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfilePtr = std::unique_ptr<SNDFILE, SndfileCloser>;

Result<void> writeMono(const std::string& path, std::span<const float> samples, int sampleRate, int format) {
  SF_INFO info{};
  info.samplerate = sampleRate;
  info.channels = 1;
  info.format = format;
  SndfilePtr file(sf_open(path.c_str(), SFM_WRITE, &info));
  if (!file) return fail(ErrorCode::Unwritable, path + ": " + sf_strerror(nullptr));
  // Clipping instead of wrapping when a float sample exceeds full scale.
  sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
  const sf_count_t count = static_cast<sf_count_t>(samples.size());
  if (sf_writef_float(file.get(), samples.data(), count) != count) {
    std::string message = path + ": " + sf_strerror(file.get());
    file.reset();
    // A cut-short note must not be mistaken for a rendered one.
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return fail(ErrorCode::Unwritable, std::move(message));
  }
  return {};
}

}  // namespace

Result<MonoAudio> readMonoWav(const std::string& path) {
  SF_INFO info{};
  SndfilePtr file(sf_open(path.c_str(), SFM_READ, &info));
  if (!file) return fail(ErrorCode::Unreadable, path + ": " + sf_strerror(nullptr));
  if (info.channels < 1 || info.samplerate < 1000 || info.samplerate > 768000)
    return fail(ErrorCode::BadFormat, path + ": unusable channel count or sample rate");
  if (info.frames < 0 || static_cast<double>(info.frames) > kMaxRecordingSeconds * info.samplerate)
    return fail(ErrorCode::BadFormat, path + ": recording longer than ten minutes");

  const auto channels = static_cast<size_t>(info.channels);
  // Float reads of integer files come out at full scale 1.
  sf_command(file.get(), SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
  std::vector<float> block(4096 * channels);
  MonoAudio audio;
  audio.sampleRate = info.samplerate;
  audio.samples.reserve(static_cast<size_t>(info.frames));
  for (;;) {
    const sf_count_t got = sf_readf_float(file.get(), block.data(), 4096);
    if (got <= 0) break;
    for (sf_count_t frame = 0; frame < got; ++frame) {
      double sum = 0;
      for (size_t c = 0; c < channels; ++c) sum += block[static_cast<size_t>(frame) * channels + c];
      float value = static_cast<float>(sum / static_cast<double>(channels));
      // Float files may hold NaN or infinities; they would poison every
      // later stage.
      if (!std::isfinite(value)) value = 0.0f;
      audio.samples.push_back(value);
    }
    if (audio.samples.size() > static_cast<size_t>(kMaxRecordingSeconds * info.samplerate))
      return fail(ErrorCode::BadFormat, path + ": recording longer than ten minutes");
  }
  if (sf_error(file.get()) != SF_ERR_NO_ERROR && audio.samples.empty())
    return fail(ErrorCode::Unreadable, path + ": " + sf_strerror(file.get()));
  if (audio.samples.empty()) return fail(ErrorCode::BadFormat, path + ": the recording holds no samples");
  return audio;
}

Result<void> writePcm16Wav(const std::string& path, std::span<const float> samples, int sampleRate) {
  return writeMono(path, samples, sampleRate, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
}

Result<void> writeFloatWav(const std::string& path, std::span<const float> samples, int sampleRate) {
  return writeMono(path, samples, sampleRate, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
}

}  // namespace ruvo::resampler
