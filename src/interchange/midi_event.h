#pragma once
// Decodes the events of one track chunk in order. Running status is read as
// MIDI defines it: a data byte where a status byte is expected repeats the
// last channel status. Meta and system events leave it in force, as most
// writers assume. A damaged event (cut off, an over-long number, a data byte
// with no status in force) ends the track.

#include <cstdint>
#include <optional>
#include <string_view>

#include "interchange/midi_bytes.h"

namespace ruvo {

struct MidiEvent {
  uint32_t delta = 0;      // ticks since the previous event
  uint8_t status = 0;      // 0x80..0xEF channel, 0xFF meta, 0xF0..0xFE system
  uint8_t data1 = 0;       // first data byte of a channel or system message
  uint8_t data2 = 0;       // second data byte (0 when the message has one)
  uint8_t metaType = 0;    // meta events only
  std::string_view data;   // meta events only: the raw payload

  bool isMeta() const { return status == 0xFF; }
  uint8_t kind() const { return status & 0xF0; }  // channel message kind
  bool isChannel() const { return status >= 0x80 && status < 0xF0; }
};

class MidiEventReader {
 public:
  explicit MidiEventReader(std::string_view trackData) : m_in(trackData) {}
  // The next event, or nothing at the end of the data or at a damaged event.
  std::optional<MidiEvent> next();

 private:
  ByteReader m_in;
  uint8_t m_running = 0;
};

}  // namespace ruvo
