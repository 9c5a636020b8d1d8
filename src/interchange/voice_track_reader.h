#pragma once
// Reads one MIDI track into notes: each note on/off pair becomes a note, the
// time between notes becomes rests, lyric events name the notes, and the
// per-note texts of the sequence file restore the property records.

#include <string_view>
#include <vector>

#include "song/song_model.h"
#include "interchange/track_scanner.h"

namespace ruvo {

struct VoiceTrackInput {
  std::string_view trackData;
  int division = 480;                // ticks per quarter, above 0
  std::vector<TempoEntry> tempos;    // the conductor's tempo list
  // Whether tempo events of this track join the tempo list. False when the
  // track is the one the list was scanned from, so no change is taken twice.
  bool listTrackTempos = true;
  double defaultTempo = 120;         // when the tempo list is empty
};

// Appends the track's notes and rests to the song from index noteCount on and
// returns how many were added. Rules, in song ticks (1920 / division per file
// tick):
//  - keys above 23 are lowered by 24, else keys above 11 by 12;
//  - a gap below 40 song ticks between notes lengthens the note before it,
//    a longer one becomes a rest, and so does the time after the last note
//    up to the end of the track;
//  - a note on while another note sounds closes that note with its own lyric;
//  - a tempo change between notes cuts the rest there;
//  - the first element, and every element at which the tempo changes,
//    carries "tempo=" + the tempo as "0.00" in its extra commands;
//  - pitch bends become the pitch curve unless a "pitch=" text gave one;
//  - a note still sounding at the end is dropped.
int readVoiceTrack(const VoiceTrackInput& input, Song& song);

}  // namespace ruvo
