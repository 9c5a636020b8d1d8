#pragma once
// Builds WAV files byte by byte, so tests can make both good files and
// precisely damaged ones.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ruvo::testing {

inline void putU16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

inline void putU32(std::string& out, uint32_t value) {
  putU16(out, value & 0xFFFF);
  putU16(out, value >> 16);
}

// The size field is the body's own unless `declaredSize` says otherwise.
inline std::string chunk(const std::string& id, const std::string& body, std::optional<uint32_t> declaredSize = {}) {
  std::string out = id;
  putU32(out, declaredSize.value_or(static_cast<uint32_t>(body.size())));
  out += body;
  if (body.size() % 2) out += '\0';
  return out;
}

// The block align is the bytes of one frame unless `blockAlign` says
// otherwise; the byte rate follows it.
inline std::string fmtBody(uint16_t channels, uint32_t rate, uint16_t bits = 16, uint16_t tag = 1,
                           std::optional<uint16_t> blockAlign = {}) {
  const auto align = blockAlign.value_or(static_cast<uint16_t>(channels * bits / 8));
  std::string body;
  putU16(body, tag);
  putU16(body, channels);
  putU32(body, rate);
  putU32(body, rate * align);
  putU16(body, align);
  putU16(body, bits);
  return body;
}

inline std::string pcmBody(const std::vector<int16_t>& interleaved) {
  std::string body;
  for (int16_t v : interleaved) putU16(body, static_cast<uint16_t>(v));
  return body;
}

// RIFF header around the chunks; the RIFF size is right.
inline std::string riff(const std::string& chunks) {
  std::string out = "RIFF";
  putU32(out, static_cast<uint32_t>(chunks.size() + 4));
  return out + "WAVE" + chunks;
}

inline std::string monoWave(const std::vector<int16_t>& samples, uint32_t rate = 44100) {
  return riff(chunk("fmt ", fmtBody(1, rate)) + chunk("data", pcmBody(samples)));
}

// A 16-bit PCM file with knobs that damage it: a wrong block align, sample
// width or data size, or a whole extra chunk between "fmt " and "data".
struct WaveSpec {
  uint16_t channels = 1;
  uint32_t sampleRate = 44100;
  std::optional<uint16_t> blockAlign;  // default channels * 2
  uint16_t bitsPerSample = 16;
  std::vector<int16_t> samples;        // interleaved
  std::optional<uint32_t> declaredDataSize;
  std::string chunkBeforeData;         // id, size and body, written as they are
};

inline std::string buildWave(const WaveSpec& spec) {
  const auto align = spec.blockAlign.value_or(static_cast<uint16_t>(spec.channels * 2));
  return riff(chunk("fmt ", fmtBody(spec.channels, spec.sampleRate, spec.bitsPerSample, 1, align)) +
              spec.chunkBeforeData + chunk("data", pcmBody(spec.samples), spec.declaredDataSize));
}

}  // namespace ruvo::testing
