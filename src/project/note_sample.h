#pragma once
// How a sung note reaches its recording when a script is written, and how a
// call line of a script leads back to the note's lyric.
//
// The lookup text is the voice bank's prefix for the note's key, the lyric
// and the suffix for the key. In a bank that looks VCV (OtoTable::looksVcv),
// a lyric that is no alias there is sung through "- lyric" after a rest or at
// the song's start, and through "v lyric" after a note whose lyric ends in
// the vowel v (romaji first, then kana), when the bank has that alias; the
// song keeps the lyric as typed.

#include <optional>
#include <string>
#include <string_view>

#include "core/error.h"
#include "song/song_model.h"
#include "voicebank/voice_bank.h"

namespace ruvo {

struct NoteSample {
  std::string prefix;
  std::string suffix;
  std::string lookup;       // the text looked up in the alias table
  std::string sample;       // what the call names: the recording's base name, or the lookup text
  OtoEntry entry;           // six empty fields when nothing matched
  std::optional<size_t> entryIndex;
  std::string chosenAlias;  // the VCV alias sung in place of the lyric; "" when none was chosen
};

// The sample of sung note `index` of the song.
NoteSample resolveNoteSample(const Song& song, VoiceBankTables& tables, int index);

// The lyric a call line names: the alias of the entry the call was written
// from (found by recording and timing), without the key's prefix and suffix.
std::string lyricOfCall(const Song& song, VoiceBankTables& tables, int noteNumber, const std::string& sample,
                        const CallTiming& timing);

// A sample name as one word of a call line: as it is, or in double quotes
// when it holds a blank or begins with a double quote, so that the reader
// gets the same name back. A line break, a character CP932 lacks (the
// project file is CP932) or a blank together with a double quote cannot be
// carried: the result is then an error.
[[nodiscard]] Result<std::string> callWordOf(std::string_view sample);
// The word back as a sample name (quotes removed).
std::string sampleOfCallWord(std::string_view word);

// Whether a sample name can be passed to the helper batch as one plain word,
// which rendering needs (the helper names files after it): no blank, double
// quote, '%' or control character.
bool renderableSample(std::string_view sample);

}  // namespace ruvo
