#pragma once
// Deleting resampled notes from a project's cache folder. Every operation
// looks only at the "*.wav" files directly inside the folder (see
// wav_listing.h), does nothing for an empty folder name or a missing folder,
// skips files that cannot be deleted or vanish meanwhile, and returns the
// number of files it deleted. A folder that exists but cannot be listed is an
// Unreadable error and nothing is deleted.
//
// Cached notes are named by recording, note name and requested length joined
// by "_" ("a_C4_480.wav"), or, for a note with its own volume, modulation or
// pitch curve, by note index, recording, note name and length
// ("3_a_C4_480.wav"). All name tests are exact and case-sensitive.

#include <cstdint>
#include <ctime>
#include <string>

#include "core/error.h"

namespace ruvo {

// Deletes every "*.wav" of the folder.
[[nodiscard]] Result<int> deleteAllCache(const std::string& folder);

// Deletes the oldest files (by modification time to the second, then by
// path without regard to letter case) while the folder's total exceeds
// limitMegabytes * 1 048 576 bytes, stopping as soon as the total is below
// the limit. Sizes are 64-bit, so any folder size and any limit work. A
// limit of 0 or less deletes nothing.
[[nodiscard]] Result<int> deleteCacheBySize(const std::string& folder, int32_t limitMegabytes);

// Deletes the files last modified before `now` minus intervalDays calendar
// days (same local time of day). An interval of 0 or less deletes nothing.
[[nodiscard]] Result<int> deleteCacheByDate(const std::string& folder, int32_t intervalDays,
                                            std::time_t now);

// Deletes the notes made from one recording (its name without ".wav"): names
// that begin with name + "_" or contain "_" + name + "_". An empty name
// deletes nothing.
[[nodiscard]] Result<int> deleteCacheOfSample(const std::string& folder, const std::string& name);

// Deletes the notes of one recording at one pitch: names that begin with
// name + "_" + the note's name ("C4") + "_".
[[nodiscard]] Result<int> deleteCacheOfSamplePitch(const std::string& folder, const std::string& name,
                                                   int noteNumber);

// Deletes the notes that carry one note index: names that begin with the
// decimal index + "_".
[[nodiscard]] Result<int> deleteCacheOfNote(const std::string& folder, int16_t noteIndex);

}  // namespace ruvo
