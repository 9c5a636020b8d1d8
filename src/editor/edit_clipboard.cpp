#include "editor/edit_clipboard.h"

#include "editor/text_characters.h"

namespace ruvo {

std::string lyricsText(const std::vector<Note>& notes) {
  std::string text;
  for (const Note& note : notes) {
    if (isRest(note.lyric)) {
      text += ' ';
      continue;
    }
    auto characters = splitCharacters(note.lyric);
    bool bare = characters.size() == 1 || (characters.size() == 2 && isSmallKana(characters[1]));
    text += bare ? note.lyric : "\"" + note.lyric + "\"";
  }
  return text;
}

}  // namespace ruvo
