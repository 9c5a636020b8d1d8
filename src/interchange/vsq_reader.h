#pragma once
// Reads the notes of one voice track of a VSQ file from its metatext.

#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "song/song_model.h"
#include "interchange/sequence_reader.h"

namespace ruvo {

// The metatext of a track's text events: every text beginning "DM:" without
// its "DM:nnnn:" prefix, joined as raw bytes and only then decoded, so a
// double-byte character split between two pieces survives.
std::string joinVsqMetatext(const std::vector<std::string>& texts);

// Appends the notes of track `track` (a number below 2 or past the last
// track reads track 2) from the song's noteCount on. Notes take their
// lyric from the lyric handles, gaps of 40 song ticks or more become rests,
// overlapping notes end where the next begins, a tempo change puts
// "tempo=" + "0.00" on the element where it takes effect, and the pitch-bend
// list becomes the pitch curve of notes with a bend depth. BadFormat (message
// "ファイル形式が正しくありません。") for a file that is not MIDI format 0/1
// or has no second track.
[[nodiscard]] Result<TrackReadResult> readVsqTrack(std::string_view bytes, int track, Song& song,
                                                   const MidiReadOptions& options);

}  // namespace ruvo
