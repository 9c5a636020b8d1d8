#pragma once
// Big-endian byte access for MIDI containers. The reader never reads past its
// end: every read reports whether the bytes were there, so a truncated or
// damaged file ends a read instead of running off the buffer.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

  size_t remaining() const { return m_bytes.size() - m_pos; }
  bool atEnd() const { return m_pos >= m_bytes.size(); }

  std::optional<uint8_t> u8();
  std::optional<uint8_t> peek() const;
  std::optional<uint16_t> u16();
  std::optional<uint32_t> u32();
  // A variable-length number: 7 bits per byte, most significant first, the
  // high bit set on every byte but the last. At most four bytes (28 bits), as
  // MIDI allows; a longer run or a run cut off by the end gives nothing.
  std::optional<uint32_t> varLength();
  // The next `count` bytes; nothing when fewer remain.
  std::optional<std::string_view> bytes(size_t count);
  // Moves ahead by up to `count` bytes, stopping at the end.
  void skip(size_t count);

 private:
  std::string_view m_bytes;
  size_t m_pos = 0;
};

// Appends big-endian integers, variable-length numbers and events to a byte
// string. Channel messages are always written with their status byte.
class ByteWriter {
 public:
  void u8(uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
  void u16(uint16_t value);
  void u32(uint32_t value);
  void varLength(uint32_t value);
  void raw(std::string_view bytes) { m_bytes.append(bytes); }

  // Meta event: delta, 0xFF, type, length, data.
  void meta(uint32_t delta, uint8_t type, std::string_view data);
  void tempo(uint32_t delta, uint32_t microsPerQuarter);
  void endOfTrack(uint32_t delta) { meta(delta, 0x2F, {}); }
  // Channel message with two data bytes (note on/off, controller, bend).
  void channel2(uint32_t delta, uint8_t status, uint8_t data1, uint8_t data2);
  // Channel message with one data byte (program change).
  void channel1(uint32_t delta, uint8_t status, uint8_t data1);

  const std::string& bytes() const { return m_bytes; }

 private:
  std::string m_bytes;
};

// "MThd", length 6, format, track count, division.
std::string midiHeaderChunk(uint16_t format, uint16_t trackCount, uint16_t division);
// "MTrk", the byte length, the events.
std::string midiTrackChunk(std::string_view events);

}  // namespace ruvo
