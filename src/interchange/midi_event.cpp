#include "interchange/midi_event.h"

namespace ruvo {

namespace {
int channelDataCount(uint8_t status) {
  uint8_t kind = status & 0xF0;
  return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

int systemDataCount(uint8_t status) {
  if (status == 0xF1 || status == 0xF3) return 1;
  if (status == 0xF2) return 2;
  return 0;
}
}  // namespace

std::optional<MidiEvent> MidiEventReader::next() {
  MidiEvent event;
  auto delta = m_in.varLength();
  if (!delta) return std::nullopt;
  event.delta = *delta;
  auto first = m_in.peek();
  if (!first) return std::nullopt;
  if (*first < 0x80) {
    if (m_running == 0) return std::nullopt;
    event.status = m_running;
  } else {
    event.status = *first;
    m_in.skip(1);
  }

  if (event.isChannel()) {
    m_running = event.status;
    auto d1 = m_in.u8();
    if (!d1) return std::nullopt;
    event.data1 = *d1 & 0x7F;
    if (channelDataCount(event.status) == 2) {
      auto d2 = m_in.u8();
      if (!d2) return std::nullopt;
      event.data2 = *d2 & 0x7F;
    }
    return event;
  }
  if (event.status == 0xFF) {
    auto type = m_in.u8();
    auto length = type ? m_in.varLength() : std::nullopt;
    if (!length) return std::nullopt;
    auto data = m_in.bytes(*length);
    if (!data) return std::nullopt;
    event.metaType = *type;
    event.data = *data;
    return event;
  }
  if (event.status == 0xF0 || event.status == 0xF7) {
    auto length = m_in.varLength();
    if (!length || !m_in.bytes(*length)) return std::nullopt;
    return event;
  }
  int count = systemDataCount(event.status);
  if (count >= 1) {
    auto d1 = m_in.u8();
    if (!d1) return std::nullopt;
    event.data1 = *d1 & 0x7F;
  }
  if (count == 2) {
    auto d2 = m_in.u8();
    if (!d2) return std::nullopt;
    event.data2 = *d2 & 0x7F;
  }
  return event;
}

}  // namespace ruvo
