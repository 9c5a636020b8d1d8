#pragma once
// The parts of a property record the note property dialog passes around:
// the flags field in its three-part form "breath,filter,rest" (a part "*"
// means every note keeps its own), the tempo line of the extra commands and
// the way the extra commands are shown in the dialog's text box.

#include <string>
#include <string_view>

#include "song/song_model.h"

namespace ruvo {

// The value a part or box holds when the notes of a range differ.
constexpr std::string_view kKeepValue = "*";

struct FlagTriple {
  std::string breath;  // "B50", "" or "*"
  std::string filter;  // "N", "" or "*"
  std::string rest;    // the remaining flags, or "*"
  bool operator==(const FlagTriple&) const = default;
};

// A flags field split by the flag rule (commas removed from the rest).
FlagTriple flagTripleOf(std::string_view flags);
// "breath,filter,rest".
std::string joinTriple(const FlagTriple& parts);
// Reads "breath,filter,rest": the rest is everything after the second comma,
// so flags that contain commas survive a trip through the dialog.
FlagTriple readTriple(std::string_view text);

// A record with its flags field turned into the three-part form.
std::string withFlagTriple(std::string_view record);

struct TempoCut {
  std::string tempoLine;  // "tempo=150\n", "tempo=150" or ""
  std::string rest;       // the field without it
};
// Cuts the "tempo=" entry out of an extra-commands field: from "tempo=" up to
// and including the next entry separator, or to the end of the field when it
// is the last entry (the entries before it then stay in the field).
TempoCut cutTempoLine(std::string_view extra);
// A note's tempo line in front of new extra commands, with a separator
// between them when the tempo line is the field's last entry.
std::string withTempoLine(std::string_view tempoLine, std::string_view extra);

// The extra commands as the text box shows them: entries separated by spaces,
// spaces inside an entry shown as commas.
std::string extraToBox(std::string_view extra);
// The text box back into the field: spaces separate entries, commas stand for spaces.
std::string boxToExtra(std::string_view box);

std::string joinProps(const PropFields& fields);

}  // namespace ruvo
