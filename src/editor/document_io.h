#pragma once
// Opening and saving a project in the form its file name asks for. The CLI
// and the editor both go through here, so a file reads and writes the same
// way from either.

#include <string>

#include "core/error.h"
#include "editor/project_batch.h"
#include "editor/song_model.h"
#include "voicebank/voice_bank.h"

namespace ruvo {

struct OpenOptions {
  ClearDefaults defaults;  // what the song is cleared to before reading
};

// Clears the song and reads the file into it: projectPath becomes the path,
// the cache folder and the project name follow from it, the voice folder's
// alias table is loaded, and `modified` is cleared.
[[nodiscard]] Result<void> loadDocument(Song& song, VoiceBankTables& tables, const std::string& path,
                                        const OpenOptions& options);

// Saves under `path` in the form its extension names; any other name is saved
// as a project batch file (".bat" appended when missing). Returns the path of
// the file written.
[[nodiscard]] Result<std::string> saveDocumentAs(Song& song, VoiceBankTables& tables, const std::string& path,
                                                 const SaveOptions& options);

}  // namespace ruvo
