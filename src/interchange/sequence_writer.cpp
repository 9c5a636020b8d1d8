#include "interchange/sequence_writer.h"

#include <algorithm>
#include <cstdio>

#include "core/numbers.h"
#include "core/text_codec.h"
#include "core/text_file.h"
#include "interchange/conductor_track.h"
#include "interchange/midi_bytes.h"

namespace ruvo {

namespace {

constexpr std::string_view kFormatNotice =
    "このファイル形式は予告無く変更・廃止される可能性があります。\n"
    "対応プログラムを作成する場合はそのリスクを覚悟の上作成してください。";

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
    text.replace(pos, from.size(), to);
  return text;
}

std::string indexPrefix(int index) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d:", index);
  return buffer;
}

// The settings of a note that the sequence file keeps in a text event.
std::string settingsText(const PropFields& fields) {
  std::string text;
  double preUtterance = leadingNumber(fields[kPropPreUtterance]);
  if (preUtterance != 0) text += " offset=" + shortestFloat(static_cast<float>(preUtterance));
  const std::string& modulation = fields[kPropModulation];
  if (!modulation.empty() && modulation != "100") text += " mod=" + modulation;
  if (!fields[kPropFlags].empty()) text += " flag=" + fields[kPropFlags];
  if (!fields[kPropExtra].empty())
    text += " " + replaceAll(replaceAll(fields[kPropExtra], " ", ","), kExtraSeparator, " ");
  return text;
}

// Velocity from the volume: 0 means 100; kept within 1..127 so that a
// note on never turns into a note off.
uint8_t velocityOf(const std::string& volume) {
  int64_t value = intFloor(leadingNumber(volume));
  if (value == 0) value = 100;
  return static_cast<uint8_t>(std::clamp<int64_t>(value, 1, 127));
}

uint16_t bendOf(double cents) {
  return static_cast<uint16_t>(std::clamp<int64_t>(roundHalfEven(cents * 8.191 + 8192), 0, 16383));
}

std::string conductorTrack(const Song& song, const MidiWriteInput& input) {
  ByteWriter track;
  track.meta(0, 3, "Control");
  track.tempo(0, microsPerQuarterOf(input.tempo));
  writeTimeSignature(track);
  track.meta(0, 6, "Setup");
  track.meta(0, 1, "Settings");
  for (const auto& line : input.headerLines) track.meta(0, 1, utf8ToCp932(line));
  writeTempoChanges(track, song);
  track.endOfTrack(0);
  return track.bytes();
}

// Writes the note's bends every 5 ticks, then the centring bend, and returns
// the ticks left to the note off.
uint32_t writeBends(ByteWriter& track, const std::string& curve, uint32_t length) {
  int64_t left = length;
  auto values = splitFields(curve, ' ');
  for (size_t i = 0; i < values.size(); ++i) {
    uint16_t bend = bendOf(leadingNumber(values[i]));
    if (i > 0) {
      if (left < 6) break;
      left -= 5;
    }
    track.channel2(i == 0 ? 0 : 5, 0xE0, bend & 0x7F, static_cast<uint8_t>(bend >> 7));
  }
  uint32_t delta = left < 6 ? static_cast<uint32_t>(left) : 5;
  track.channel2(delta, 0xE0, 0, 0x40);
  return static_cast<uint32_t>(left - delta);
}

std::string voiceTrack(const Song& song, const MidiWriteInput& input) {
  const bool toneModule = input.mode == MidiWriteMode::ToneModule;
  ByteWriter track;
  track.meta(0, 3, "Voice A");
  track.meta(0, 1, utf8ToCp932(kFormatNotice));
  track.channel2(0, 0xB0, 101, 0);
  track.channel2(0, 0xB0, 100, 0);
  track.channel2(0, 0xB0, 6, 10);
  track.channel2(0, 0xB0, 38, 0);
  if (toneModule) {
    track.channel2(0, 0xB0, 0, 50);
    track.channel2(0, 0xB0, 32, 0);
  }

  uint32_t pending = 0;
  for (int i = 0; i < song.noteCount; ++i) {
    const Note& note = song[i];
    uint32_t length = static_cast<uint32_t>(std::max(note.length, 0) / 4);
    if (isRest(note.lyric)) {
      pending += length;
      continue;
    }
    PropFields fields = splitProps(note.props);
    if (toneModule) {
      track.channel1(pending, 0xC0, static_cast<uint8_t>(std::clamp(input.toneMap.programFor(note.lyric), 0, 127)));
    } else {
      std::string settings = settingsText(fields);
      if (!settings.empty()) {
        track.meta(pending, 1, utf8ToCp932(indexPrefix(i) + settings));
        pending = 0;
      }
      if (!fields[kPropPitchCurve].empty()) {
        track.meta(pending, 1, utf8ToCp932(indexPrefix(i) + " pitch=" + fields[kPropPitchCurve]));
        pending = 0;
      }
      track.meta(pending, 5, utf8ToCp932(note.lyric));
    }
    uint8_t key = static_cast<uint8_t>(std::clamp<int64_t>(int64_t{note.noteNumber} + 24, 0, 127));
    track.channel2(0, 0x90, key, velocityOf(fields[kPropVolume]));
    uint32_t left = length;
    if (fields[kPropPitchCurve].find('Q') != std::string::npos) left = writeBends(track, fields[kPropPitchCurve], length);
    track.channel2(left, 0x80, key, 0);
    pending = 0;
  }
  track.endOfTrack(pending);
  return track.bytes();
}

}  // namespace

std::string buildSequenceMidi(const Song& song, const MidiWriteInput& input) {
  return midiHeaderChunk(1, 2, 480) + midiTrackChunk(conductorTrack(song, input)) +
         midiTrackChunk(voiceTrack(song, input));
}

Result<void> writeSequenceMidi(const std::string& path, const Song& song, const MidiWriteInput& input) {
  return writeFileBytes(path, buildSequenceMidi(song, input));
}

}  // namespace ruvo
