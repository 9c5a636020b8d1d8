// Any sequence of editing commands, undone as many times as it pushed
// records, gives back the song it started from.

#include <gtest/gtest.h>

#include <random>

#include "edit_test_support.h"
#include "editor/edit_session.h"

using namespace ruvo;
using namespace ruvo::testing;

namespace {

const std::vector<std::string> kLyrics{"あ", "か", "R", "", "きゃ", "ka", "っ"};
const std::vector<std::string> kPhrases{"あい", "/L8/A4かきゃ\"ka\"", "/C2あ R い", "\"\"う", "/B7/L32あいうえお"};

class RandomEditor {
 public:
  explicit RandomEditor(unsigned seed) : m_random(seed) {}

  Song startSong() {
    std::vector<Note> notes;
    int count = pick(0, 12);
    for (int i = 0; i < count; ++i) {
      // Keys at and beyond the clamp limits, lengths that quantize to 0.
      int key = std::vector<int>{0, 1, 36, 82, 83, -1, 90}[static_cast<size_t>(pick(0, 6))];
      std::string props = pick(0, 1) ? "\t\t\t\t\t" : std::to_string(pick(0, 99)) + "\t90\t\t\tB5\ttempo=150";
      notes.push_back(Note{lyric(), pick(0, 8) * 60, key, props});
    }
    return songOf(std::move(notes));
  }

  void step(Song& song, EditSession& session, ScriptedInputs& prompts) {
    auto select = [&] {
      song.selFirst = pick(0, song.noteCount);
      song.selLast = pick(0, 1) ? song.noteCount : pick(0, song.noteCount);
    };
    prompts.answers = {std::to_string(pick(-3, 30)), lyric()};
    switch (pick(0, 20)) {
      case 0: select(); break;
      case 1: session.copy(); break;
      case 2: session.cut(); break;
      case 3: session.paste(); break;
      case 4: session.deleteSelection(); break;
      case 5: session.selectAll(); break;
      case 6: session.releaseSelection(); break;
      case 7: session.insertRest(); break;
      case 8: prompts.answers = {lyric()}; session.insertAskedNote(); break;
      case 9: session.moveUp(); break;
      case 10: session.moveDown(); break;
      case 11: session.moveByAmount(); break;
      case 12: session.merge(); break;
      case 13: session.quantize(); break;
      case 14: session.removeRests(); break;
      case 15: session.insertTonePub(lyric(), pick(0, 83), pick(-1, 2000), pick(0, 1) == 1); break;
      case 16: session.insertPhrase(phrase()); break;
      case 17: session.replacePhrase(phrase()); break;
      case 18:
        session.commitLyricBox(lyric(), pick(0, 1) ? LyricBoxExit::Enter : LyricBoxExit::FocusLost);
        break;
      case 19: session.changeKey(pick(-90, 90)); break;
      default: select(); session.undo(); break;
    }
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
  std::string lyric() { return kLyrics[static_cast<size_t>(pick(0, static_cast<int>(kLyrics.size()) - 1))]; }
  std::string phrase() { return kPhrases[static_cast<size_t>(pick(0, static_cast<int>(kPhrases.size()) - 1))]; }

  std::mt19937 m_random;
};

}  // namespace

TEST(UndoProperty, UndoingEveryRecordRestoresTheSong) {
  OtoTable oto = OtoTable::fromLines({"a.wav=あ,10,20,30,55,5", "ka.wav=か,10,20,30,70,5"});
  for (unsigned seed = 1; seed <= 300; ++seed) {
    RandomEditor editor(seed);
    Song song = editor.startSong();
    const Song start = song;
    ScriptedInputs prompts;
    TextClipboard clipboard;
    EditSession session(song, oto, prompts, clipboard);
    for (int i = 0; i < 60; ++i) editor.step(song, session, prompts);
    while (session.journal().canUndo()) session.undo();

    ASSERT_EQ(song.noteCount, start.noteCount) << "seed " << seed;
    for (int i = 0; i < start.noteCount; ++i) {
      ASSERT_EQ(song[i].lyric, start[i].lyric) << "seed " << seed << " note " << i;
      ASSERT_EQ(song[i].length, start[i].length) << "seed " << seed << " note " << i;
      ASSERT_EQ(song[i].noteNumber, start[i].noteNumber) << "seed " << seed << " note " << i;
      ASSERT_EQ(song[i].props, start[i].props) << "seed " << seed << " note " << i;
    }
  }
}
