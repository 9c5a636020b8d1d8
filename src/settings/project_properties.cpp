#include "settings/project_properties.h"

namespace ruvo {

ProjectProperties projectPropertiesOf(const Song& song) {
  return {song.projectName,   song.outputFile, song.voiceFolder, song.joinerPath,
          song.resamplerPath, song.cacheDir,   song.projectFlags};
}

void applyProjectProperties(Song& song, const ProjectProperties& properties) {
  song.projectName = properties.projectName;
  song.outputFile = properties.outputFile;
  song.voiceFolder = properties.voiceFolder;
  song.joinerPath = properties.joinerPath;
  song.resamplerPath = properties.resamplerPath;
  song.projectFlags = properties.projectFlags;
}

std::string confirmedOutputName(std::string_view box) {
  std::string name = withoutControlCharacters(box);
  if (name.empty() || name.ends_with(".wav") || name.ends_with(".WAV")) return name;
  return name + ".wav";
}

std::string confirmedFlags(std::string_view box) {
  std::string flags;
  for (char c : withoutControlCharacters(box))
    if (c != ' ' && c != ';' && c != '"') flags += c;
  return flags;
}

std::string withoutControlCharacters(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) kept += c;
  return kept;
}

}  // namespace ruvo
