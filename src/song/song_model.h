#pragma once
// The one open project: the note sequence, the project-wide settings the
// render script needs, the tempo box text, the selection and the changed flag.
// Plain data with its helper operations; it owns no files and starts nothing.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo {

constexpr int kTicksPerBeat = 1920;
constexpr std::string_view kDefaultEnvelope = "0 5 35 0 100 100 0";
constexpr std::string_view kNewProjectName = "新規プロジェクト";
constexpr std::string_view kDefaultTempoText = "120.0";
// Separator of the entries of the extra-commands field: backslash and n.
constexpr std::string_view kExtraSeparator = "\\n";

struct Note {
  std::string lyric;   // a rest when empty or "R" (see isRest)
  int length = 0;      // ticks, 1920 to a beat
  int noteNumber = 0;  // 0 is C1, 36 is C4; negative: no key
  std::string props;   // the property record, six TAB-separated fields
};

// Indices of the fields of a property record.
enum PropField : size_t {
  kPropPreUtterance = 0,  // ms; empty: the voice bank's value
  kPropVolume = 1,        // percent; empty: 100
  kPropModulation = 2,    // percent; empty: 100
  kPropPitchCurve = 3,    // resampler pitch-bend argument, verbatim
  kPropFlags = 4,         // resampler flags; empty: the project flags
  kPropExtra = 5,         // "tempo=", "env=", "stp=" entries joined by \n
};
constexpr size_t kPropFieldCount = 6;
using PropFields = std::array<std::string, kPropFieldCount>;

struct Song {
  // notes.size() >= max(1, noteCount): storage never shrinks below one
  // element, and entries past noteCount are scratch space for readers.
  std::vector<Note> notes{Note{}};
  int noteCount = 0;

  std::string projectName{kNewProjectName};
  std::string projectPath;
  std::string tempoText{kDefaultTempoText};
  std::string voiceFolder;
  std::string joinerPath;
  std::string resamplerPath;
  std::string outputFile;
  std::string cacheDir;
  std::string projectFlags;

  // Both equal to noteCount: nothing is selected.
  int selFirst = 0;
  int selLast = 0;
  bool modified = false;

  // Grows the storage so that `index` is valid (never shrinks it).
  Note& at(int index);
  const Note& operator[](int index) const { return notes[static_cast<size_t>(index)]; }
  Note& operator[](int index) { return notes[static_cast<size_t>(index)]; }
  // The tempo box read as a single-precision number.
  float tempoBoxValue() const;
};

// What clearing the song takes from the settings: the first registered voice
// bank's folder and the two tool paths.
struct ClearDefaults {
  std::string voiceFolder;
  std::string joinerPath;
  std::string resamplerPath;
};

// Resets the song to an empty project. Loading the new voice folder's alias
// table is the caller's (it owns the voice-bank tables).
void clearSong(Song& song, const ClearDefaults& defaults);

// True when the lyric, trimmed of spaces and upper-cased, is empty or "R".
bool isRest(std::string_view lyric);
// The lyric without leading and trailing spaces.
std::string trimSpaces(std::string_view text);

// Splits on TAB; missing fields read as empty, extra ones are ignored.
PropFields splitProps(std::string_view record);
// Splits on TAB, keeping every field.
std::vector<std::string> splitFields(std::string_view text, char separator);
std::string joinFields(const std::vector<std::string>& fields, std::string_view separator);

// Where the first entry of an extra-commands field that starts with `key`
// ("tempo=") begins; npos when none does. A key inside another entry's value
// is no entry: the script sets only the variable its line names.
size_t findExtraEntry(std::string_view extras, std::string_view key);

// Applies the extra commands of a record: the tempo changes only when a
// "tempo=" entry exists, stp is set (0 when absent), the envelope changes
// only when an "env=" entry exists. Records of fewer than six fields hold
// nothing. The envelope ends at the next "/" or at the entry separator.
void lookupExtras(std::string_view record, float& tempo, float& startOffset, std::string& envelope);

// The value of the record's "tempo=" entry, if it has one.
std::optional<float> tempoEntry(std::string_view record);

// The tempo in effect at selFirst.
float getTempo(const Song& song);

// The tempo lengths are timed at: a tempo below 1 (0, negative, or not a
// number, as a damaged file or an emptied tempo box gives) times as 1, one
// above 10000 as 10000, so that a length in ms is always finite and written
// scripts never hold "inf" or "nan".
constexpr float kSlowestTempo = 1.0f;
constexpr float kFastestTempo = 10000.0f;
float playableTempo(float tempo);

// The longest length (either way) a rendered length reads back as: 16384
// beats. Single-precision milliseconds of longer notes no longer read back
// as the ticks they were written from, so saving and loading such a song
// would change it every time.
constexpr int kLongestReadLength = 16384 * kTicksPerBeat;

// Duration of `ticks` at `tempo` in ms, single precision.
float ticksToMs(int ticks, float tempo);
// Ticks of a rendered length read back: multiples of 40 ticks, at most
// kLongestReadLength either way.
int msToTicks(float ms, float tempo);

struct FlagParts {
  std::string breath;     // "B" and its number ("B0" when none), or ""
  std::string noFormant;  // "N" or ""
  std::string rest;       // everything else, commas removed
};
FlagParts splitFlags(std::string_view flags);

}  // namespace ruvo
