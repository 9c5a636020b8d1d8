#include "editor/selection_snapshot.h"

#include <algorithm>

#include "core/numbers.h"

namespace ruvo {

namespace {

// Each field ends in a NUL, which no field holds, so no two songs run
// together into the same text.
void add(std::string& text, const std::string& field) {
  text += field;
  text += '\0';
}

}  // namespace

std::string selectionSnapshot(const Song& song) {
  const int first = std::min(song.selFirst, song.selLast);
  const int last = std::min(std::max(song.selFirst, song.selLast), song.noteCount - 1);
  std::string text;
  for (const std::string* field : {&song.tempoText, &song.voiceFolder, &song.joinerPath, &song.resamplerPath,
                                   &song.projectFlags, &song.projectName})
    add(text, *field);
  add(text, shortestFloat(getTempo(song)));
  for (int i = std::max(first, 0); i <= last; ++i) {
    const Note& note = song[i];
    add(text, std::to_string(i));
    add(text, note.lyric);
    add(text, std::to_string(note.length));
    add(text, std::to_string(note.noteNumber));
    add(text, note.props);
  }
  return text;
}

}  // namespace ruvo
