#include <gtest/gtest.h>

#include "edit_test_support.h"
#include "editor/edit_session.h"
#include "editor/lyric_phrase.h"

using namespace ruvo;
using namespace ruvo::testing;
using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

TEST(LyricPhrase, ParsesLyricsLengthsAndNoteNumbers) {
  struct Case {
    std::string phrase;
    Strings lyrics;
    Ints lengths;
    Ints keys;
  };
  const std::vector<Case> cases{
      {"/L8/A4あきゃ\"ka\"", {"あ", "きゃ", "ka"}, {960, 960, 960}, {45, 45, 45}},
      {"/L16さ", {"さ"}, {480}, {36}},
      {"/L5さ", {"さ"}, {1920}, {36}},         // not a length: the current one stays
      {"/L1/L32あ/L24い", {"あ", "い"}, {240, 320}, {36, 36}},
      {"/D#5あ/Bb3い", {"あ", "い"}, {1920, 1920}, {51, 34}},
      {"/d5あ", {"5", "あ"}, {1920, 1920}, {36, 36}},  // lower case: "/d" alone is dropped
      {"あ/", {"あ", "/"}, {1920, 1920}, {36, 36}},
      {"あ い", {"あ", "い"}, {1920, 1920}, {36, 36}},
      {"きっキャ", {"き", "っ", "キ", "ャ"}, {1920, 1920, 1920, 1920}, {36, 36, 36, 36}},
      {"\"\"", {""}, {1920}, {36}},
      {"\"ab c", {"ab c"}, {1920}, {36}},
      {"\"", {"\""}, {1920}, {36}},
      {"/Lさ/Aあ/C#", {}, {}, {}},  // the characters a command reads are consumed
      {"/L", {}, {}, {}},
      {"/Cxう", {"う"}, {1920}, {36}},
      {"\t\r\n", {}, {}, {}},
  };
  for (const auto& c : cases) {
    auto notes = parsePhrase(c.phrase, 1920);
    Strings lyrics;
    Ints lengths, keys;
    for (const auto& note : notes) {
      lyrics.push_back(note.lyric);
      lengths.push_back(note.length);
      keys.push_back(note.noteNumber);
    }
    EXPECT_EQ(lyrics, c.lyrics) << c.phrase;
    EXPECT_EQ(lengths, c.lengths) << c.phrase;
    EXPECT_EQ(keys, c.keys) << c.phrase;
  }
}

TEST(LyricPhrase, EditWindowShowsOneWordPerLine) {
  EXPECT_EQ(phraseToLines("あ い\"ka\" "), "あ\nい\"ka\"\n");
  EXPECT_EQ(linesToPhrase("あ\r\nい\nう\rえ"), "あ い う え");
}

namespace {

class LyricEntry : public ::testing::Test {
 protected:
  Song song;
  OtoTable oto = OtoTable::fromLines({"a.wav=あ,10,20,30,55,5", "ka.wav=か,10,20,30,70,5"});
  ScriptedInputs prompts;
  TextClipboard clipboard;
  EditSession session{song, oto, prompts, clipboard};
};

}  // namespace

TEST_F(LyricEntry, InsertModeAddsSelectedNotesUndoneInOneStep) {
  EditResult result = session.insertPhrase("/L8/A4あきゃ\"ka\"");
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "きゃ", "ka"}));
  EXPECT_EQ(lengthsOf(song), (Ints{960, 960, 960}));
  EXPECT_EQ(keysOf(song), (Ints{45, 45, 45}));
  EXPECT_EQ(song[0].props, "55\t\t\t\t\t");
  EXPECT_EQ(song.selFirst, 0);
  EXPECT_EQ(song.selLast, 2);
  EXPECT_TRUE(result.modifiedSet);
  EXPECT_EQ(result.redraw.first, 0);
  EXPECT_EQ(session.journal().caption(), "挿入を元に戻す(&U)");

  song.selFirst = song.selLast = 1;
  session.insertPhrase("か");
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "か", "きゃ", "ka"}));
  session.undo();
  session.undo();
  EXPECT_EQ(song.noteCount, 0);
  EXPECT_FALSE(session.insertPhrase(" ").changedAnything());
}

TEST_F(LyricEntry, ReplaceModeSkipsRestsAndStaysInTheSelection) {
  song = songOf({{"あ", 480, 40, ""}, {"R", 480, 36, ""}, {"い", 480, 41, ""}, {"う", 480, 42, ""}});
  song.selFirst = 2;
  song.selLast = 0;
  EditResult result = session.replacePhrase("/L8か/C5きくけ");
  EXPECT_EQ(lyricsOf(song), (Strings{"か", "R", "き", "う"}));
  EXPECT_EQ(lengthsOf(song), (Ints{480, 480, 480, 480}));
  EXPECT_EQ(keysOf(song), (Ints{40, 36, 41, 42}));
  EXPECT_EQ(song[0].props, "70\t\t\t\t\t");
  EXPECT_EQ(song.selFirst, 0);
  EXPECT_EQ(song.selLast, 2);
  EXPECT_EQ(result.redraw.first, 0);
  EXPECT_EQ(result.redraw.last, 2);
  EXPECT_EQ(session.journal().caption(), "歌詞の置換えを元に戻す(&U)");
  session.undo();
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "R", "い", "う"}));

  // A selection ending on a rest does not reach past it.
  song.selFirst = 0;
  song.selLast = 1;
  session.replacePhrase("かき");
  EXPECT_EQ(lyricsOf(song), (Strings{"か", "R", "い", "う"}));
  // Selected up to noteCount: to the end of the song.
  song.selFirst = 2;
  song.selLast = 4;
  session.replacePhrase("さしすせ");
  EXPECT_EQ(lyricsOf(song), (Strings{"か", "R", "さ", "し"}));

  // Nothing selected: nothing changes, the selection included.
  song.selFirst = song.selLast = 4;
  size_t records = session.journal().size();
  EXPECT_FALSE(session.replacePhrase("た").changedAnything());
  EXPECT_EQ(session.journal().size(), records);
  EXPECT_EQ(song.selLast, 4);
}

TEST_F(LyricEntry, ReplaceInAnEmptySongDoesNothing) {
  EXPECT_FALSE(session.replacePhrase("あ").changedAnything());
  EXPECT_EQ(song.noteCount, 0);
}

TEST_F(LyricEntry, LyricBoxChangesOneLyricWithOneUndoStep) {
  song = songOf({{"あ", 480, 40, "1\t2\t3\t4\t5\t6"}});
  song.selFirst = song.selLast = 0;
  EXPECT_FALSE(session.commitLyricBox("あ", LyricBoxExit::Enter).changedAnything());
  EditResult result = session.commitLyricBox("か", LyricBoxExit::Enter);
  EXPECT_EQ(song[0].lyric, "か");
  EXPECT_EQ(song[0].props, "70\t2\t3\t4\t5\t6");
  EXPECT_TRUE(result.modifiedSet);
  EXPECT_EQ(result.redraw.first, 0);
  EXPECT_EQ(result.redraw.last, 0);
  EXPECT_EQ(session.journal().caption(), "歌詞の変更を元に戻す(&U)");
  // Leaving the box stores the text as typed, separators made spaces.
  session.commitLyricBox("a\tb", LyricBoxExit::FocusLost);
  EXPECT_EQ(song[0].lyric, "a b");
  EXPECT_EQ(song[0].props, "70\t2\t3\t4\t5\t6");
  session.undo();
  session.undo();
  EXPECT_EQ(song[0].lyric, "あ");
  EXPECT_EQ(song[0].props, "1\t2\t3\t4\t5\t6");
  song.selFirst = 1;
  EXPECT_FALSE(session.commitLyricBox("か", LyricBoxExit::Enter).changedAnything());
}
