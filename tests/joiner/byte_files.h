#pragma once
// Files as the byte vectors the joiner's parsers take, and little-endian
// values read back from them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo::joiner::testing {

std::vector<uint8_t> bytesOf(std::string_view text);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
// The file's bytes, or none when it cannot be read.
std::vector<uint8_t> readBytes(const std::string& path);
// The whole file as 16-bit samples.
std::vector<int16_t> readSamples(const std::string& path);
int32_t int32At(const std::vector<uint8_t>& bytes, size_t offset);

}  // namespace ruvo::joiner::testing
