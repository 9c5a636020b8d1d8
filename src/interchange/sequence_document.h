#pragma once
// The project kept as a sequence file (.wsq) and the two exports of Save As:
// the tone-module MIDI file and the VSQ file.

#include <string>
#include <vector>

#include "core/error.h"
#include "song/song_model.h"

namespace ruvo {

// The message a sequence file that cannot be read is shown with.
constexpr std::string_view kBadSequenceFile = "ファイル形式が正しくありません";

// The eight header lines that carry the project settings.
std::vector<std::string> sequenceHeaderLines(const Song& song);

// Applies header lines read back: "@rem project=", "@set tempo=" / "@rem
// tempo=" (the tempo box, shortest form), "@set oto=", "@set tool=",
// "@set resamp=", "@set output=", "@set flag="; other lines are ignored.
void applySequenceHeader(Song& song, const std::vector<std::string>& lines);

// Writes the sequence file: the tempo box's tempo, the header lines and
// every note with its properties.
[[nodiscard]] Result<void> saveSequenceFile(const Song& song, const std::string& path);

// Reads a sequence file into a cleared song: the project path, the cache
// folder beside it (<base>.cache) and the name from the file name, then the
// notes and the header lines. Loading the voice folder's alias table is the
// caller's. BadFormat (kBadSequenceFile) leaves the song without notes.
[[nodiscard]] Result<void> openSequenceFile(Song& song, const std::string& path,
                                            const std::string& tracePath = "test.log");

// Save As to ".mid": the song for a tone module, with the tone map read from
// "songtm.cfg" in the program folder and "@rem project=" as the only header.
[[nodiscard]] Result<void> exportToneModuleMidi(const Song& song, const std::string& path,
                                                const std::string& programFolder);

// Save As to ".vsq" at the tempo box's tempo.
[[nodiscard]] Result<void> exportVsq(const Song& song, const std::string& path);

}  // namespace ruvo
