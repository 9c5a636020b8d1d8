#pragma once
// The project's own settings as the project-property dialog edits them, and
// how the confirmed texts become project settings.

#include <string>
#include <string_view>

#include "song/song_model.h"

namespace ruvo {

struct ProjectProperties {
  std::string projectName;
  std::string outputFile;
  std::string voiceFolder;
  std::string joinerPath;
  std::string resamplerPath;
  std::string cacheDir;  // shown to the dialog only; never handed back
  std::string projectFlags;
};

ProjectProperties projectPropertiesOf(const Song& song);
// Copies everything but the cache folder into the song. Loading the voice
// folder's alias table, the title and the changed flag are the caller's.
void applyProjectProperties(Song& song, const ProjectProperties& properties);

// The output box as stored: ".wav" is appended unless the name already ends
// in ".wav" or ".WAV" (so "song.Wav" becomes "song.Wav.wav"). An empty box
// stays empty, so that saving names the output after the project file.
std::string confirmedOutputName(std::string_view box);

// The flags box as stored: spaces, ";" and double quotes removed.
std::string confirmedFlags(std::string_view box);

// Every field of the project is written on a line of its own in the project
// file; a line break pasted into a box would start a new script line there,
// so it is removed (with every other control character).
std::string withoutControlCharacters(std::string_view text);

}  // namespace ruvo
