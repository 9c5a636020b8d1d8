#include "interchange/vsq_writer.h"

#include <cstdio>

#include "core/numbers.h"
#include "core/text_codec.h"
#include "core/text_file.h"
#include "interchange/conductor_track.h"
#include "interchange/midi_bytes.h"
#include "interchange/vsq_phonetic.h"

namespace ruvo {

namespace {

constexpr std::string_view kFixedHead =
    "[Common]\nVersion=DSB301\nName=メイン\nColor=181,162,123\nDynamicsMode=1\nPlayMode=1\n"
    "[Master]\nPreMeasure=1\n"
    "[Mixer]\nMasterFeder=0\nMasterPanpot=0\nMasterMute=0\nOutputMode=0\nTracks=1\nFeder0=0\nPanpot0=0\nMute0=0\n"
    "Solo0=0\n";

std::string fourDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", value);
  return buffer;
}

int64_t fileTicks(int songTicks) { return roundHalfEven(songTicks / 4.0); }

}  // namespace

std::string vsqMetatext(const Song& song) {
  std::string eventList = "[EventList]\n0=ID#0000\n";
  std::string events = "[ID#0000]\nType=Singer\nIconHandle=h#0000\n";
  std::string handles =
      "[h#0000]\nIconID=$07010000\nIDS=Ruvo\nOriginal=0\nCaption=\nlength=1\nLanguage=0\nProgram=0\n";
  int64_t position = 0;
  int id = 0;
  for (int i = 0; i < song.noteCount; ++i) {
    const Note& note = song[i];
    if (!isRest(note.lyric)) {
      std::string number = fourDigits(++id);
      eventList += std::to_string(position) + "=ID#" + number + "\n";
      events += "[ID#" + number + "]\nType=Anote\nLength=" + std::to_string(fileTicks(note.length)) +
                "\nNote#=" + std::to_string(int64_t{note.noteNumber} + 24) +
                "\nDynamics=100\nPMBendDepth=10\nPMBendLength=5\nPMbPortamentoUse=0\nDEMdecGainRate=80\n"
                "DEMaccent=90\nLyricHandle=h#" + number + "\n";
      handles += "[h#" + number + "]\nL0=\"" + note.lyric + "\",\"" + phoneticSymbols(note.lyric) +
                 "\",0.000000,64,0,0\n";
    }
    position = roundHalfEven(static_cast<double>(position) + note.length / 4.0);
  }
  eventList += std::to_string(position) + "=EOS\n";
  return std::string(kFixedHead) + eventList + events + handles;
}

std::string buildVsq(const Song& song, double tempo) {
  ByteWriter master;
  master.meta(0, 3, "Master Track");
  master.tempo(0, microsPerQuarterOf(tempo));
  writeTimeSignature(master);
  writeTempoChanges(master, song);
  master.endOfTrack(0);

  ByteWriter voice;
  voice.meta(0, 3, "Voice1");
  std::string metatext = utf8ToCp932(vsqMetatext(song));
  for (size_t start = 0, piece = 0; start < metatext.size(); start += kVsqPieceSize, ++piece) {
    std::string text = "DM:" + fourDigits(static_cast<int>(piece)) + ":";
    text += std::string_view(metatext).substr(start, kVsqPieceSize);
    voice.meta(0, 1, text);
  }
  voice.channel2(0, 0xB0, 99, 0);
  voice.channel2(0, 0xB0, 98, 0);
  voice.channel2(0, 0xB0, 6, 0);
  voice.channel2(0, 0xB0, 38, 0);
  voice.endOfTrack(0);

  return midiHeaderChunk(1, 2, 480) + midiTrackChunk(master.bytes()) + midiTrackChunk(voice.bytes());
}

Result<void> writeVsq(const std::string& path, const Song& song, double tempo) {
  return writeFileBytes(path, buildVsq(song, tempo));
}

}  // namespace ruvo
