#pragma once
// Builds WAV files byte by byte, so tests can make both good files and
// precisely damaged ones.

#include <cstdint>
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

inline std::string chunk(const std::string& id, const std::string& body) {
  std::string out = id;
  putU32(out, static_cast<uint32_t>(body.size()));
  out += body;
  if (body.size() % 2) out += '\0';
  return out;
}

inline std::string fmtBody(uint16_t channels, uint32_t rate, uint16_t bits = 16, uint16_t tag = 1) {
  std::string body;
  putU16(body, tag);
  putU16(body, channels);
  putU32(body, rate);
  putU32(body, rate * channels * bits / 8);
  putU16(body, channels * bits / 8);
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

}  // namespace ruvo::testing
