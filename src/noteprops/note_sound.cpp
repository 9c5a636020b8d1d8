#include "noteprops/note_sound.h"

#include <cmath>

#include "core/numbers.h"
#include "core/paths.h"
#include "song/note_name.h"

namespace ruvo {

std::string projectCacheFolder(const Song& song, const std::string& tempDir) {
  return song.cacheDir.empty() ? joinPath(tempDir, "temp.cache") : song.cacheDir;
}

NoteSound noteSoundOf(const Song& song, VoiceBankTables& tables, const std::string& lyric, int noteNumber,
                      int length, const std::string& cacheFolder) {
  NoteSound sound;
  sound.tempo = getTempo(song);
  sound.cacheFolder = cacheFolder;
  sound.noteName = noteNameOf(noteNumber);
  if (!lyric.empty() && noteNumber >= 0) sound.prefix = tables.prefix.getPrefix(noteNumber, song.voiceFolder);
  sound.recordingName = lyric;
  OtoEntry entry = tables.oto.getAlias(sound.recordingName);
  auto ms = [](double value) { return clampToInt32(std::nearbyint(value)); };
  sound.sampleOffset = ms(entry.number(OtoEntry::kOffset));
  sound.sampleFixed = ms(entry.number(OtoEntry::kConsonant));
  sound.sampleTail = ms(entry.number(OtoEntry::kBlank));
  sound.samplePreUtterance = ms(entry.number(OtoEntry::kPreUtterance));
  if (!song.voiceFolder.empty()) {
    sound.recordingPath = joinPath(song.voiceFolder, sound.prefix + sound.recordingName + ".wav");
  }
  double lengthMs = length * 60000.0 / kTicksPerBeat / sound.tempo;
  sound.lengthMs = std::isfinite(lengthMs) ? ms(lengthMs) : 0;
  return sound;
}

int preUtteranceFor(const NoteSound& sound, const std::string& box) {
  if (trimSpaces(box).empty()) return sound.samplePreUtterance;
  return clampToInt32(std::nearbyint(leadingNumber(box)));
}

}  // namespace ruvo
