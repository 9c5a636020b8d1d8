#include "byte_files.h"

#include <gtest/gtest.h>

#include "core/text_file.h"

namespace ruvo::joiner::testing {

std::vector<uint8_t> bytesOf(std::string_view text) { return std::vector<uint8_t>(text.begin(), text.end()); }

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  EXPECT_TRUE(writeFileBytes(path, text)) << path;
}

std::vector<uint8_t> readBytes(const std::string& path) { return bytesOf(readFileBytes(path).value_or("")); }

std::vector<int16_t> readSamples(const std::string& path) {
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

}  // namespace ruvo::joiner::testing
