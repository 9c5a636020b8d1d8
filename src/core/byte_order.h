#pragma once
// Little-endian fields of binary files (WAV headers, the joiner's files,
// frequency tables). Every read is bounds checked: a field that runs past the
// end of the bytes reads as absent, so a damaged file can never make a parser
// look outside what was loaded. Writes append to a byte string or overwrite
// inside a buffer the caller has sized.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ruvo {

// The bytes of a string as unsigned bytes (no copy).
std::span<const uint8_t> bytesOf(std::string_view text);

std::optional<uint16_t> readU16(std::span<const uint8_t> bytes, uint64_t offset);
std::optional<uint32_t> readU32(std::span<const uint8_t> bytes, uint64_t offset);
std::optional<int32_t> readI32(std::span<const uint8_t> bytes, uint64_t offset);
std::optional<double> readF64(std::span<const uint8_t> bytes, uint64_t offset);

// True when the bytes at offset spell tag exactly (false when they run out).
bool hasTag(std::span<const uint8_t> bytes, uint64_t offset, std::string_view tag);

// Overwrites 4 bytes at offset; the caller guarantees they exist.
void writeI32(std::span<uint8_t> bytes, size_t offset, int32_t value);

void appendI32(std::string& bytes, int32_t value);
void appendF64(std::string& bytes, double value);

}  // namespace ruvo
