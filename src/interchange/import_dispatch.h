#pragma once
// Turning a MIDI or VSQ file into the current song: the Import command's
// file handling, chosen by the file's extension. The track is chosen by the
// caller (the editor's dialog, or a command-line option).

#include <functional>
#include <string>
#include <vector>

#include "core/error.h"
#include "song/song_model.h"

namespace ruvo {

// Given the track list ("1: name", ...), returns the chosen track (1-based);
// 0 or less imports nothing.
using TrackChooser = std::function<int(const std::vector<std::string>& trackList)>;

struct ImportOptions {
  TrackChooser chooseTrack;            // asked for .mid/.smf, and for VSQ files of three or more tracks
  std::string tracePath = "test.log";  // NRPN trace; "" writes none
};

// The Import command on a chosen file: clears the song, sets the tempo box to
// "120.0", imports by extension (".mid"/".smf": a MIDI track, ".vsq": a VSQ
// track, letter case ignored; anything else imports nothing), names the
// project and its output after the file when notes came in, and sets
// `modified`. Errors: NotFound/Unreadable for the file, BadFormat with
// "ファイル形式が正しくありません。" for content that is not recognised (the
// song then stays cleared).
[[nodiscard]] Result<void> importFile(Song& song, const std::string& path, const ClearDefaults& defaults,
                                      const ImportOptions& options);

// Appends one track of a MIDI-type file behind the existing notes: ".wsq"
// reads track 2 without asking, other extensions ask the chooser. The tempo
// box gives the default tempo and then shows the file's tempo as "0.0".
[[nodiscard]] Result<void> importMidiType(Song& song, const std::string& path, const std::string& extension,
                                          const ImportOptions& options);

// Reads a VSQ track into the song: track 2 without asking when the file has
// fewer than three tracks. The tempo box shows the file's tempo as "0.0".
[[nodiscard]] Result<void> importVsq(Song& song, const std::string& path, const ImportOptions& options);

// The extension from the last '.' of the file name, lower-cased.
std::string lowerExtension(const std::string& path);

}  // namespace ruvo
