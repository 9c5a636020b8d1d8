#include "voicebank/wave_samples.h"

#include <optional>

#include "core/byte_order.h"
#include "core/text_file.h"

namespace ruvo {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;

// Fields the callers have already bounds checked; a missing one reads 0.
uint16_t u16At(std::string_view bytes, size_t at) { return readU16(bytesOf(bytes), at).value_or(0); }
uint32_t u32At(std::string_view bytes, size_t at) { return readU32(bytesOf(bytes), at).value_or(0); }

struct Format {
  uint16_t tag = 0;
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t blockAlign = 0;
  uint16_t bits = 0;
};

Result<Format> parseFormat(std::string_view body, const std::string& where) {
  if (body.size() < 16) return fail(ErrorCode::BadFormat, where + "fmt chunk shorter than 16 bytes");
  Format format{u16At(body, 0), u16At(body, 2), u32At(body, 4), u16At(body, 12), u16At(body, 14)};
  bool pcm = format.tag == kFormatPcm;
  // Extensible files name their real format in the first two bytes of the
  // sub-format GUID at offset 24.
  if (format.tag == kFormatExtensible && body.size() >= 26) pcm = u16At(body, 24) == kFormatPcm;
  if (!pcm) return fail(ErrorCode::BadFormat, where + "not PCM (format tag " + std::to_string(format.tag) + ")");
  if (format.bits != 16)
    return fail(ErrorCode::BadFormat, where + std::to_string(format.bits) + "-bit samples, only 16-bit is read");
  if (format.channels == 0) return fail(ErrorCode::BadFormat, where + "zero channels");
  if (format.sampleRate == 0) return fail(ErrorCode::BadFormat, where + "sample rate 0");
  if (format.blockAlign != format.channels * 2u)
    return fail(ErrorCode::BadFormat, where + "block align " + std::to_string(format.blockAlign) + " does not fit " +
                                          std::to_string(format.channels) + " channels of 16 bits");
  return format;
}

}  // namespace

Result<WaveSamples> parseWaveSamples(std::string_view bytes, std::string_view name) {
  const std::string where = std::string(name) + ": ";
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
    return fail(ErrorCode::BadFormat, where + "not a RIFF WAVE file");

  std::optional<Format> format;
  size_t pos = 12;
  while (bytes.size() - pos >= 8) {
    const std::string_view id = bytes.substr(pos, 4);
    const uint64_t size = u32At(bytes, pos + 4);
    const size_t body = pos + 8;
    const size_t left = bytes.size() - body;
    if (id == "fmt ") {
      if (size > left) return fail(ErrorCode::BadFormat, where + "fmt chunk runs past the end of the file");
      auto parsed = parseFormat(bytes.substr(body, size), where);
      if (!parsed) return tl::unexpected(parsed.error());
      format = *parsed;
    } else if (id == "data") {
      if (!format) return fail(ErrorCode::BadFormat, where + "data chunk before any fmt chunk");
      WaveSamples wave;
      wave.sampleRate = static_cast<int>(format->sampleRate);
      wave.channels = format->channels;
      size_t dataSize = static_cast<size_t>(size);
      if (size > left) {
        wave.warnings.push_back(where + "data chunk of " + std::to_string(size) + " bytes cut to the " +
                                std::to_string(left) + " bytes in the file");
        dataSize = left;
      }
      const size_t frames = dataSize / format->blockAlign;
      if (frames * format->blockAlign != dataSize)
        wave.warnings.push_back(where + "incomplete last frame dropped");
      wave.samples.resize(frames);
      for (size_t i = 0; i < frames; ++i)
        wave.samples[i] = static_cast<int16_t>(u16At(bytes, body + i * format->blockAlign));
      return wave;
    }
    // Chunks are padded to an even length.
    const uint64_t next = body + size + (size & 1);
    if (next > bytes.size()) break;
    pos = static_cast<size_t>(next);
  }
  return fail(ErrorCode::BadFormat, where + (format ? "no data chunk" : "no fmt chunk"));
}

Result<WaveSamples> readWaveSamples(const std::string& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return tl::unexpected(bytes.error());
  return parseWaveSamples(*bytes, path);
}

std::vector<float> toUnitFloat(const std::vector<int16_t>& samples) {
  std::vector<float> unit(samples.size());
  for (size_t i = 0; i < samples.size(); ++i) unit[i] = static_cast<float>(samples[i]) / 32768.0f;
  return unit;
}

}  // namespace ruvo
