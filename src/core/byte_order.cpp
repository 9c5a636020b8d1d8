#include "joiner/byte_order.h"

namespace ruvo::joiner {

namespace {
bool fits(std::span<const uint8_t> bytes, uint64_t offset, uint64_t size) {
  return offset <= bytes.size() && size <= bytes.size() - offset;
}
}  // namespace

std::optional<uint16_t> readU16(std::span<const uint8_t> bytes, uint64_t offset) {
  if (!fits(bytes, offset, 2)) return std::nullopt;
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::optional<uint32_t> readU32(std::span<const uint8_t> bytes, uint64_t offset) {
  if (!fits(bytes, offset, 4)) return std::nullopt;
  return static_cast<uint32_t>(bytes[offset]) | (static_cast<uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<uint32_t>(bytes[offset + 2]) << 16) | (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

std::optional<int32_t> readI32(std::span<const uint8_t> bytes, uint64_t offset) {
  auto value = readU32(bytes, offset);
  if (!value) return std::nullopt;
  return static_cast<int32_t>(*value);
}

bool hasTag(std::span<const uint8_t> bytes, uint64_t offset, std::string_view tag) {
  if (!fits(bytes, offset, tag.size())) return false;
  for (size_t i = 0; i < tag.size(); ++i)
    if (bytes[offset + i] != static_cast<uint8_t>(tag[i])) return false;
  return true;
}

void writeI32(std::span<uint8_t> bytes, size_t offset, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
}

}  // namespace ruvo::joiner
