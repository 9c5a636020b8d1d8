#include "wave_builder.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace ruvo::joiner::testing {

namespace {
void put16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
void putText(std::vector<uint8_t>& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }
}  // namespace

std::vector<uint8_t> buildWave(const WaveSpec& spec) {
  const uint16_t align = spec.blockAlign.value_or(static_cast<uint16_t>(spec.channels * 2));
  const auto dataBytes = static_cast<uint32_t>(2 * spec.samples.size());
  std::vector<uint8_t> out;
  putText(out, "RIFF");
  put32(out, static_cast<uint32_t>(36 + spec.chunkBeforeData.size() + dataBytes));
  putText(out, "WAVEfmt ");
  put32(out, 16);
  put16(out, 1);
  put16(out, spec.channels);
  put32(out, spec.sampleRate);
  put32(out, spec.sampleRate * align);
  put16(out, align);
  put16(out, spec.bitsPerSample);
  putText(out, spec.chunkBeforeData);
  putText(out, "data");
  put32(out, spec.declaredDataSize.value_or(dataBytes));
  for (int16_t sample : spec.samples) put16(out, static_cast<uint16_t>(sample));
  return out;
}

void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> readBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

std::vector<int16_t> readSamples(const std::filesystem::path& path) {
  const auto bytes = readBytes(path);
  std::vector<int16_t> samples(bytes.size() / 2);
  for (size_t k = 0; k < samples.size(); ++k)
    samples[k] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * k] | (bytes[2 * k + 1] << 8)));
  return samples;
}

int32_t int32At(const std::vector<uint8_t>& bytes, size_t offset) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes.at(offset + i)) << (8 * i);
  return static_cast<int32_t>(value);
}

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "ruvo-joiner-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
  m_root = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(m_root, ignored);
}

}  // namespace ruvo::joiner::testing
