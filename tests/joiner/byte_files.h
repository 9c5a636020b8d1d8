#pragma once
// Test support: builds WAV files byte by byte, including damaged ones, and
// gives each test its own scratch folder.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruvo::joiner::testing {

struct WaveSpec {
  uint16_t channels = 1;
  uint32_t sampleRate = 44100;
  std::optional<uint16_t> blockAlign;  // default channels * 2
  uint16_t bitsPerSample = 16;
  std::vector<int16_t> samples;        // interleaved
  std::optional<uint32_t> declaredDataSize;
  std::string chunkBeforeData;         // a whole extra chunk (id, size, body) after "fmt "
};

std::vector<uint8_t> buildWave(const WaveSpec& spec);
void writeBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> readBytes(const std::filesystem::path& path);
std::vector<int16_t> readSamples(const std::filesystem::path& path);
int32_t int32At(const std::vector<uint8_t>& bytes, size_t offset);

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::filesystem::path path(const std::string& name) const { return m_root / name; }
  const std::filesystem::path& root() const { return m_root; }

 private:
  std::filesystem::path m_root;
};

}  // namespace ruvo::joiner::testing
