#include "interchange/midi_bytes.h"

namespace ruvo {

std::optional<uint8_t> ByteReader::u8() {
  if (atEnd()) return std::nullopt;
  return static_cast<uint8_t>(m_bytes[m_pos++]);
}

std::optional<uint8_t> ByteReader::peek() const {
  if (atEnd()) return std::nullopt;
  return static_cast<uint8_t>(m_bytes[m_pos]);
}

std::optional<uint16_t> ByteReader::u16() {
  if (remaining() < 2) return std::nullopt;
  auto hi = static_cast<uint8_t>(m_bytes[m_pos]);
  auto lo = static_cast<uint8_t>(m_bytes[m_pos + 1]);
  m_pos += 2;
  return static_cast<uint16_t>(hi << 8 | lo);
}

std::optional<uint32_t> ByteReader::u32() {
  if (remaining() < 4) return std::nullopt;
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(m_bytes[m_pos++]);
  return value;
}

std::optional<uint32_t> ByteReader::varLength() {
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    auto byte = u8();
    if (!byte) return std::nullopt;
    value = value << 7 | (*byte & 0x7Fu);
    if ((*byte & 0x80u) == 0) return value;
  }
  return std::nullopt;
}

std::optional<std::string_view> ByteReader::bytes(size_t count) {
  if (remaining() < count) return std::nullopt;
  auto view = m_bytes.substr(m_pos, count);
  m_pos += count;
  return view;
}

void ByteReader::skip(size_t count) { m_pos += count < remaining() ? count : remaining(); }

void ByteWriter::u16(uint16_t value) {
  u8(static_cast<uint8_t>(value >> 8));
  u8(static_cast<uint8_t>(value));
}

void ByteWriter::u32(uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) u8(static_cast<uint8_t>(value >> shift));
}

void ByteWriter::varLength(uint32_t value) {
  value &= 0x0FFFFFFFu;
  uint8_t groups[4];
  int count = 0;
  do {
    groups[count++] = static_cast<uint8_t>(value & 0x7Fu);
    value >>= 7;
  } while (value != 0);
  while (count > 1) u8(static_cast<uint8_t>(groups[--count] | 0x80u));
  u8(groups[0]);
}

void ByteWriter::meta(uint32_t delta, uint8_t type, std::string_view data) {
  varLength(delta);
  u8(0xFF);
  u8(type);
  varLength(static_cast<uint32_t>(data.size()));
  raw(data);
}

void ByteWriter::tempo(uint32_t delta, uint32_t microsPerQuarter) {
  const char data[3] = {static_cast<char>(microsPerQuarter >> 16), static_cast<char>(microsPerQuarter >> 8),
                        static_cast<char>(microsPerQuarter)};
  meta(delta, 0x51, std::string_view(data, 3));
}

void ByteWriter::channel2(uint32_t delta, uint8_t status, uint8_t data1, uint8_t data2) {
  varLength(delta);
  u8(status);
  u8(data1 & 0x7F);
  u8(data2 & 0x7F);
}

void ByteWriter::channel1(uint32_t delta, uint8_t status, uint8_t data1) {
  varLength(delta);
  u8(status);
  u8(data1 & 0x7F);
}

std::string midiHeaderChunk(uint16_t format, uint16_t trackCount, uint16_t division) {
  ByteWriter out;
  out.raw("MThd");
  out.u32(6);
  out.u16(format);
  out.u16(trackCount);
  out.u16(division);
  return out.bytes();
}

std::string midiTrackChunk(std::string_view events) {
  ByteWriter out;
  out.raw("MTrk");
  out.u32(static_cast<uint32_t>(events.size()));
  out.raw(events);
  return out.bytes();
}

}  // namespace ruvo
