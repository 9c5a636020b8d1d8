#pragma once
// What a selection render is made from: the notes selected (either order)
// and everything of the project their sound depends on. A paused selection
// render is resumed only while the song still gives the same snapshot;
// otherwise playing renders the song as it is now.

#include <string>

#include "song/song_model.h"

namespace ruvo {

// Equal for two songs exactly when their selection renders would be made
// from the same notes, tempo, voice folder, tools and flags.
std::string selectionSnapshot(const Song& song);

}  // namespace ruvo
