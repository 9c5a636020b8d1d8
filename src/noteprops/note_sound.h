#pragma once
// What the property dialog knows about the sound of the note it opens on:
// the tempo in effect, the recording the lyric plays (through the prefix map
// and the alias table), the sample's timing values and the cache folder
// where the render keeps the note's resampled sound.

#include <string>

#include "song/song_model.h"
#include "voicebank/voice_bank.h"

namespace ruvo {

struct NoteSound {
  float tempo = 120;
  std::string prefix;
  std::string recordingName;  // the recording's file name without ".wav", or the lyric
  std::string chosenAlias;    // the VCV alias the render sings in place of the lyric ("" when none)
  std::string noteName;       // "C4"; "" without a key
  std::string recordingPath;  // "" when the project has no voice folder
  int sampleOffset = 0;       // ms, from the alias table
  int sampleFixed = 0;
  int sampleTail = 0;
  int samplePreUtterance = 0;  // what the render uses when the note has none of its own
  int lengthMs = 0;
  std::string cacheFolder;
};

// The pre-utterance the curve editor lays the points out with: the
// dialog's box rounded, or the sample's own when the box is empty, as the
// render does.
int preUtteranceFor(const NoteSound& sound, const std::string& box);

// The cache folder of the project: its own, or tempDir's "temp.cache".
std::string projectCacheFolder(const Song& song, const std::string& tempDir);

// The sound of a note with this lyric, key and length (ticks) at the tempo in effect.
NoteSound noteSoundOf(const Song& song, VoiceBankTables& tables, const std::string& lyric, int noteNumber,
                      int length, const std::string& cacheFolder);

}  // namespace ruvo
