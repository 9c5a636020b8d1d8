#include "core/byte_order.h"

#include <bit>

namespace ruvo {

namespace {
bool fits(std::span<const uint8_t> bytes, uint64_t offset, uint64_t size) {
  return offset <= bytes.size() && size <= bytes.size() - offset;
}

uint64_t readLittle(std::span<const uint8_t> bytes, uint64_t offset, size_t size) {
  uint64_t value = 0;
  for (size_t i = 0; i < size; ++i) value |= static_cast<uint64_t>(bytes[offset + i]) << (8 * i);
  return value;
}

void appendLittle(std::string& bytes, uint64_t value, size_t size) {
  for (size_t i = 0; i < size; ++i) bytes.push_back(static_cast<char>(static_cast<uint8_t>(value >> (8 * i))));
}
}  // namespace

std::span<const uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::optional<uint16_t> readU16(std::span<const uint8_t> bytes, uint64_t offset) {
  if (!fits(bytes, offset, 2)) return std::nullopt;
  return static_cast<uint16_t>(readLittle(bytes, offset, 2));
}

std::optional<uint32_t> readU32(std::span<const uint8_t> bytes, uint64_t offset) {
  if (!fits(bytes, offset, 4)) return std::nullopt;
  return static_cast<uint32_t>(readLittle(bytes, offset, 4));
}

std::optional<int32_t> readI32(std::span<const uint8_t> bytes, uint64_t offset) {
  auto value = readU32(bytes, offset);
  if (!value) return std::nullopt;
  return static_cast<int32_t>(*value);
}

std::optional<double> readF64(std::span<const uint8_t> bytes, uint64_t offset) {
  if (!fits(bytes, offset, 8)) return std::nullopt;
  return std::bit_cast<double>(readLittle(bytes, offset, 8));
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

void appendI32(std::string& bytes, int32_t value) { appendLittle(bytes, static_cast<uint32_t>(value), 4); }

void appendF64(std::string& bytes, double value) { appendLittle(bytes, std::bit_cast<uint64_t>(value), 8); }

}  // namespace ruvo
