#pragma once
// The sound list's logic: the recordings of a voice folder, and the note
// each one is inserted as, estimated from its frequency table (frame count
// and average frequency).

#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"

namespace ruvo {

// The note a recording without a usable estimate is inserted at (C4).
inline constexpr int kFallbackToneNote = 36;
// The tempo (beats per minute) the estimate uses when the tempo box reads as 0.
inline constexpr double kFallbackListTempo = 120;

struct SoundListEntry {
  std::string name;  // the file name with a final lower-case ".wav" removed: the lyric
  std::string path;  // the recording itself
};

// The "*.wav" files of the folder (any letter case), ordered by name without
// regard to case. A missing folder lists as empty; one that cannot be read
// is an error naming it.
[[nodiscard]] Result<std::vector<SoundListEntry>> listRecordings(const std::string& folder);

// The note number nearest to `hz` (note 12 is C2 at 65.406 Hz, one step per
// semitone); -1 for a frequency that is not a finite number above 0.
int frqToNote(double hz);

// The tempo box's text as the estimate's tempo: its leading number, 120 when
// that is 0.
double soundListTempo(std::string_view tempoBoxText);

struct ToneEstimate {
  int noteNumber = kFallbackToneNote;
  int length = 0;  // ticks; 0 lets the insertion take its default length
};

// From the recording's frequency-table header: the length of its frames
// (256 samples of 44100 Hz each) in ticks at `tempo`, rounded half to even,
// and the note of its average. A header that cannot be read or an average
// not above 0 gives note 36 and length 0. A note outside 1..83 (the roll's
// keys above C1) becomes 36; the length is kept within the longest length a
// song holds.
ToneEstimate estimateTone(const std::string& recordingPath, double tempo);

}  // namespace ruvo
