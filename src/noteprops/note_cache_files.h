#pragma once
// The resampled sounds of one note in the render's cache folder. The render
// names them after the recording and the note name, with the note index in
// front when the note has its own volume, modulation or curve
// ("3_a_C4_550.wav", "a_C4_550.wav").

#include <string>
#include <string_view>

#include "core/error.h"

namespace ruvo {

// The cached sound of the note to draw under its pitch curve: the first (by
// name) of index_sample_note_*.wav, then sample_note_*.wav; when neither
// exists, the name sample_note.wav in the folder (which does not exist).
std::string cachedRenderingOf(const std::string& cacheFolder, int index, std::string_view sample,
                              std::string_view noteName);

// Deletes every "*.wav" of the folder whose name begins with the index and
// "_" or with lyric "_" note name "_". A missing folder holds nothing; a file
// that cannot be deleted is an error naming it.
[[nodiscard]] Result<int> deleteCachedRenderings(const std::string& cacheFolder, int index, std::string_view lyric,
                                                 std::string_view noteName);

}  // namespace ruvo
