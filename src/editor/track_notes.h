#pragma once
// How many sung notes (not rests) each track of a MIDI-type or VSQ file
// holds, for the track choice to preselect one with notes and to say when a
// chosen track has none.

#include <string>
#include <vector>

namespace ruvo {

// One count per entry of the track list (track 1 first); a track that cannot
// be read counts 0. Empty when the file cannot be read.
std::vector<int> sungNotesPerTrack(const std::string& path, size_t trackCount);

// The row to preselect: the first track with sung notes, else the first.
int firstTrackWithNotes(const std::vector<int>& sungNotes);

}  // namespace ruvo
