#include "fuzz/song_difference.h"

#include <algorithm>

#include "song/note_name.h"

namespace ruvo::fuzz {

namespace {

std::string differs(const std::string& what, const std::string& before, const std::string& after) {
  return what + ": \"" + before + "\" became \"" + after + "\"";
}

}  // namespace

std::string songDifference(const Song& before, const Song& after) {
  const std::pair<const char*, std::string Song::*> settings[] = {
      {"projectName", &Song::projectName},     {"projectPath", &Song::projectPath},
      {"tempoText", &Song::tempoText},         {"voiceFolder", &Song::voiceFolder},
      {"joinerPath", &Song::joinerPath},       {"resamplerPath", &Song::resamplerPath},
      {"outputFile", &Song::outputFile},       {"cacheDir", &Song::cacheDir},
      {"projectFlags", &Song::projectFlags},
  };
  for (const auto& [name, field] : settings)
    if (before.*field != after.*field) return differs(name, before.*field, after.*field);
  if (before.noteCount != after.noteCount)
    return differs("noteCount", std::to_string(before.noteCount), std::to_string(after.noteCount));
  for (int i = 0; i < before.noteCount; ++i) {
    const Note& a = before[i];
    const Note& b = after[i];
    const std::string note = "note " + std::to_string(i) + " ";
    if (a.lyric != b.lyric) return differs(note + "lyric", a.lyric, b.lyric);
    if (a.length != b.length) return differs(note + "length", std::to_string(a.length), std::to_string(b.length));
    // Every negative number means "no key".
    if (std::max(a.noteNumber, kNoKey) != std::max(b.noteNumber, kNoKey))
      return differs(note + "noteNumber", std::to_string(a.noteNumber), std::to_string(b.noteNumber));
    // Records are compared as the song reads them: a missing field is an empty one.
    if (splitProps(a.props) != splitProps(b.props)) return differs(note + "props", a.props, b.props);
  }
  return {};
}

}  // namespace ruvo::fuzz
