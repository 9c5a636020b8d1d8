#include "editor/note_patch.h"

#include <algorithm>

namespace ruvo {

namespace {

bool sameNote(const Note& a, const Note& b) {
  return a.length == b.length && a.noteNumber == b.noteNumber && a.lyric == b.lyric && a.props == b.props;
}

}  // namespace

NotePatch patchBack(const Song& song, const Song& before) {
  const int now = song.noteCount;
  const int then = before.noteCount;
  int head = 0;
  while (head < now && head < then && sameNote(song[head], before[head])) ++head;
  int tail = 0;
  while (tail < now - head && tail < then - head && sameNote(song[now - 1 - tail], before[then - 1 - tail])) ++tail;
  NotePatch patch{head, now - head - tail, {}};
  patch.notes.assign(before.notes.begin() + head, before.notes.begin() + (then - tail));
  return patch;
}

NoteSpan applyPatch(Song& song, const NotePatch& patch) {
  const int at = std::clamp(patch.at, 0, song.noteCount);
  const int replace = std::clamp(patch.replace, 0, song.noteCount - at);
  auto first = song.notes.begin() + at;
  song.notes.erase(first, first + replace);
  song.notes.insert(song.notes.begin() + at, patch.notes.begin(), patch.notes.end());
  song.noteCount += static_cast<int>(patch.notes.size()) - replace;
  if (song.notes.empty()) song.notes.emplace_back();
  if (patch.notes.empty()) {
    song.selFirst = song.selLast = song.noteCount;
  } else {
    song.selFirst = at;
    song.selLast = at + static_cast<int>(patch.notes.size()) - 1;
  }
  // A changed length moves every later note on the roll.
  return replace == 0 && patch.notes.empty() ? NoteSpan{} : NoteSpan::fromOn(at);
}

}  // namespace ruvo
