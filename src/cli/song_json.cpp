#include "cli/song_json.h"

namespace ruvo::cli {

nlohmann::json songToJson(const Song& song) {
  nlohmann::json notes = nlohmann::json::array();
  for (int i = 0; i < song.noteCount; ++i) {
    const Note& note = song[i];
    notes.push_back({{"lyric", note.lyric}, {"length", note.length}, {"noteNumber", note.noteNumber},
                     {"props", note.props}});
  }
  return {
      {"projectName", song.projectName}, {"projectPath", song.projectPath},
      {"tempo", song.tempoText},         {"voiceFolder", song.voiceFolder},
      {"joinerPath", song.joinerPath},   {"resamplerPath", song.resamplerPath},
      {"outputFile", song.outputFile},   {"cacheDir", song.cacheDir},
      {"projectFlags", song.projectFlags}, {"notes", notes},
  };
}

}  // namespace ruvo::cli
