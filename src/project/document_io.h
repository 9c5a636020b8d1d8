#pragma once
// Opening and saving a project in the form its file name asks for. The CLI
// and the editor both go through here, so a file reads and writes the same
// way from either.

#include <string>

#include "core/error.h"
#include "project/project_batch.h"
#include "song/song_model.h"
#include "interchange/import_dispatch.h"
#include "voicebank/voice_bank.h"

namespace ruvo {

struct OpenOptions {
  ClearDefaults defaults;   // what the song is cleared to before reading
  // Chooses the track of a MIDI file (.mid, .smf) and of a VSQ file of three
  // or more tracks; 0 or less imports nothing.
  TrackChooser chooseTrack;
  std::string tracePath = "test.log";  // trace of MIDI data entries; "" for none
};

// Clears the song and reads the file into it: projectPath becomes the path,
// the cache folder and the project name follow from it, the voice folder's
// alias table is loaded, and `modified` is cleared. A sequence file (.wsq)
// also takes its project settings from its header lines. MIDI and VSQ files
// (.mid, .smf, .vsq) are imported as the Import command does: the tempo box
// starts at "120.0", the project is named after the file, no project path is
// set and `modified` is set.
[[nodiscard]] Result<void> loadDocument(Song& song, VoiceBankTables& tables, const std::string& path,
                                        const OpenOptions& options);

// Saves under `path` in the form its extension names (letter case ignored):
// ".wsq" writes the sequence file and makes it the project path; ".vsq"
// exports VSQ and ".mid" exports for a tone module (tone map from
// songtm.cfg in `programFolder`), both leaving the project path as it was; any other
// name is saved as a project batch file (".bat" appended when missing).
// Returns the path of the file written.
[[nodiscard]] Result<std::string> saveDocumentAs(Song& song, VoiceBankTables& tables, const std::string& path,
                                                 const SaveOptions& options,
                                                 const std::string& programFolder = {});

}  // namespace ruvo
