#pragma once
// Where playback of a selection render stands on the roll: which of the
// rendered notes sounds after a number of seconds, and how far into it,
// from each note's length and the tempo in force at it (its label's tag).

#include <optional>

#include "editor/label_layout.h"
#include "song/song_model.h"

namespace ruvo {

struct PlayPoint {
  int note = 0;         // song index
  double fraction = 0;  // 0..1 of the note played
};

// Notes first..last were rendered; nothing when `seconds` lies past them or
// they are no longer in the song.
std::optional<PlayPoint> playPointAt(const Song& song, const LabelLayout& layout, int first, int last,
                                     double seconds);

}  // namespace ruvo
