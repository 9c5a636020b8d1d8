#pragma once
// Writes a song as a two-track VSQ file: a master track with the tempo and
// its changes, and a voice track whose text events carry the metatext (the
// event list, the note events and the lyric handles) in 119-byte pieces.

#include <string>

#include "core/error.h"
#include "song/song_model.h"

namespace ruvo {

// The metatext, UTF-8, every line ended by a line feed. Positions and
// lengths are in 480 ticks per quarter (song ticks / 4).
std::string vsqMetatext(const Song& song);

// The whole file as bytes; `tempo` is the first tempo in bpm.
std::string buildVsq(const Song& song, double tempo);

[[nodiscard]] Result<void> writeVsq(const std::string& path, const Song& song, double tempo);

constexpr size_t kVsqPieceSize = 119;

}  // namespace ruvo
