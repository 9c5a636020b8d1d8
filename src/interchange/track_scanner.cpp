#include "interchange/track_scanner.h"

#include <cstdio>
#include <fstream>

#include "core/text_codec.h"
#include "interchange/midi_event.h"

namespace ruvo {

uint32_t tempoOfMeta(std::string_view data) {
  if (data.size() < 3) return 0;
  return static_cast<uint32_t>(static_cast<uint8_t>(data[0])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(data[1])) << 8 | static_cast<uint8_t>(data[2]);
}

void scanTrack(std::string_view trackData, TrackScan& into) {
  into.trackName.clear();
  MidiEventReader events(trackData);
  int64_t tick = 0;
  int nrpnMsb = 0;
  int nrpnLsb = 0;
  int dataMsb = 0;
  while (auto event = events.next()) {
    tick += event->delta;
    if (event->isMeta()) {
      if (event->metaType == 0x2F) return;
      if (event->metaType == 0x51) {
        uint32_t micros = tempoOfMeta(event->data);
        if (micros != 0) into.tempos.push_back(TempoEntry{tick, micros});
      } else if (event->metaType == 1) {
        into.texts.emplace_back(event->data);
      } else if (event->metaType == 3) {
        into.trackName = cp932ToUtf8(event->data);
      }
      continue;
    }
    if (event->kind() != 0xB0 || !event->isChannel()) continue;
    char line[64];
    switch (event->data1) {
      case 99: nrpnMsb = event->data2; break;
      case 98: nrpnLsb = event->data2; break;
      case 6:
        dataMsb = event->data2;
        std::snprintf(line, sizeof line, "%6lld #%02X%02X 0x%02X", static_cast<long long>(tick), nrpnMsb,
                      nrpnLsb, dataMsb);
        into.trace.emplace_back(line);
        break;
      case 38:
        std::snprintf(line, sizeof line, "%6lld #%02X%02X 0x%02X%02X", static_cast<long long>(tick), nrpnMsb,
                      nrpnLsb, dataMsb, event->data2);
        into.trace.emplace_back(line);
        break;
      default: break;
    }
  }
}

void appendTrace(const std::string& tracePath, const std::vector<std::string>& lines) {
  if (tracePath.empty() || lines.empty()) return;
  std::ofstream out(tracePath, std::ios::binary | std::ios::app);
  if (!out) return;
  for (const auto& line : lines) out << line << "\r\n";
}

}  // namespace ruvo
