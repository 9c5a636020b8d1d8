#pragma once
// Scripted stand-ins for the window's services and small song builders for
// the editing tests.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/clipboard.h"
#include "core/prompts.h"
#include "song/song_model.h"

namespace ruvo::testing {

// Answers input boxes from a script (a missing answer cancels) and keeps the
// captions and initial texts it was shown.
class ScriptedInputs final : public Prompts {
 public:
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> captions;
  std::vector<std::string> initials;
  std::vector<std::string> messages;

  void message(const std::string& text, const std::string&, MessageIcon) override { messages.push_back(text); }
  Answer ask(const std::string&, const std::string&, MessageIcon, bool) override { return Answer::Cancel; }
  std::optional<std::string> input(const std::string& prompt, const std::string&,
                                   const std::string& initial) override {
    captions.push_back(prompt);
    initials.push_back(initial);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

class TextClipboard final : public Clipboard {
 public:
  std::string content;
  std::string text() const override { return content; }
  void setText(const std::string& text) override { content = text; }
};

inline Song songOf(std::vector<Note> notes) {
  Song song;
  song.noteCount = static_cast<int>(notes.size());
  if (notes.empty()) notes.emplace_back();
  song.notes = std::move(notes);
  song.selFirst = song.selLast = song.noteCount;
  return song;
}

inline std::vector<std::string> lyricsOf(const Song& song) {
  std::vector<std::string> lyrics;
  for (int i = 0; i < song.noteCount; ++i) lyrics.push_back(song[i].lyric);
  return lyrics;
}

inline std::vector<int> lengthsOf(const Song& song) {
  std::vector<int> lengths;
  for (int i = 0; i < song.noteCount; ++i) lengths.push_back(song[i].length);
  return lengths;
}

inline std::vector<int> keysOf(const Song& song) {
  std::vector<int> keys;
  for (int i = 0; i < song.noteCount; ++i) keys.push_back(song[i].noteNumber);
  return keys;
}

// A note as the roll's edits change it: lyric, length and key.
struct Shape {
  std::string lyric;
  int length;
  int noteNumber;
  bool operator==(const Shape&) const = default;
};

inline std::vector<Shape> shapeOf(const Song& song) {
  std::vector<Shape> shapes;
  for (int i = 0; i < song.noteCount; ++i) shapes.push_back({song[i].lyric, song[i].length, song[i].noteNumber});
  return shapes;
}

}  // namespace ruvo::testing
