#pragma once
// Little-endian field access on loaded file bytes. Every read is bounds
// checked: a field that runs past the end of the bytes reads as absent, so
// a damaged file can never make a parser look outside what was loaded.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ruvo::joiner {

std::optional<uint16_t> readU16(std::span<const uint8_t> bytes, uint64_t offset);
std::optional<uint32_t> readU32(std::span<const uint8_t> bytes, uint64_t offset);
std::optional<int32_t> readI32(std::span<const uint8_t> bytes, uint64_t offset);

// True when the bytes at offset spell tag exactly (false when they run out).
bool hasTag(std::span<const uint8_t> bytes, uint64_t offset, std::string_view tag);

void writeI32(std::span<uint8_t> bytes, size_t offset, int32_t value);

}  // namespace ruvo::joiner
