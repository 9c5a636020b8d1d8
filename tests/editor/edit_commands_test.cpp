#include "editor/edit_session.h"

#include <functional>

#include <gtest/gtest.h>

#include "edit_test_support.h"
#include "support/expect_notes.h"

using namespace ruvo;
using namespace ruvo::testing;
using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

namespace {

class EditCommands : public ::testing::Test {
 protected:
  void load(std::vector<Note> notes) { song = songOf(std::move(notes)); }
  void select(int first, int last) {
    song.selFirst = first;
    song.selLast = last;
  }
  // Undoes once and checks the song is back to `before`.
  void expectUndoneTo(const Song& before) {
    EditResult result = session.undo();
    EXPECT_TRUE(result.journalChanged);
    ASSERT_EQ(song.noteCount, before.noteCount);
    std::vector<Note> notes(before.notes.begin(), before.notes.begin() + before.noteCount);
    expectNotes(song, notes);
  }

  Song song;
  OtoTable oto = OtoTable::fromLines({"a.wav=あ,10,20,30,55,5", "ka.wav=か,10,20,30,70,5"});
  ScriptedInputs prompts;
  TextClipboard clipboard;
  EditSession session{song, oto, prompts, clipboard};
};

const std::string kProps = "40\t90\t\t\tB20\ttempo=130";
// Records come back from undo with their six fields.
const std::string kEmpty = "\t\t\t\t\t";

}  // namespace

TEST_F(EditCommands, DeleteOfThreeNotesUndoesToTheSameIndices) {
  for (auto [first, last] : {std::pair{1, 3}, std::pair{3, 1}}) {
    load({{"あ", 480, 36, kProps}, {"い", 240, 37, kEmpty}, {"う", 960, 38, kProps}, {"え", 480, 39, kEmpty},
          {"お", 480, 40, kEmpty}});
    Song before = song;
    select(first, last);
    EditResult result = session.deleteSelection();
    EXPECT_EQ(lyricsOf(song), (Strings{"あ", "お"}));
    EXPECT_EQ(song.selFirst, 2);
    EXPECT_EQ(song.selLast, 2);
    EXPECT_TRUE(result.modifiedSet);
    EXPECT_EQ(result.redraw.first, 1);
    EXPECT_TRUE(result.redraw.toEnd());
    EXPECT_EQ(session.journal().caption(), "ノートの削除を元に戻す(&U)");
    expectUndoneTo(before);
    EXPECT_EQ(song.selFirst, 3);
    EXPECT_EQ(song.selLast, 3);
  }
  // Nothing selected: nothing to delete and nothing to undo.
  session.releaseSelection();
  EXPECT_FALSE(session.deleteSelection().journalChanged);
  EXPECT_FALSE(session.journal().canUndo());
}

TEST_F(EditCommands, MergeAbsorbsTheRangeAndUndoReinsertsIt) {
  load({{"あ", 480, 36, kProps}, {"R", 240, 36, kProps}, {"い", 480, 40, kProps}, {"う", 480, 41, kProps}});
  Song before = song;
  select(0, 2);
  EditResult result = session.merge();
  EXPECT_EQ(lyricsOf(song), (Strings{"あい", "う"}));
  EXPECT_EQ(lengthsOf(song), (Ints{1200, 480}));
  EXPECT_EQ(song[0].props, kProps);
  EXPECT_EQ(song.selLast, song.selFirst);
  EXPECT_TRUE(result.modifiedSet);
  EXPECT_EQ(session.journal().caption(), "ノート結合を元に戻す(&U)");
  expectUndoneTo(before);

  // One note, or one note before noteCount, is nothing to merge.
  for (auto [first, last] : {std::pair{2, 2}, std::pair{3, 4}}) {
    select(first, last);
    EXPECT_FALSE(session.merge().changedAnything()) << first;
  }
}

TEST_F(EditCommands, KeyChangesClampAndUndoRestoresTheKeys) {
  load({{"あ", 480, 80, kEmpty}, {"い", 480, 60, kEmpty}, {"う", 480, 2, kEmpty}});
  Song before = song;
  select(0, 3);
  prompts.answers = {"5", "-2.5", "abc"};
  EditResult result = session.moveByAmount();
  EXPECT_EQ(keysOf(song), (Ints{83, 65, 7}));
  EXPECT_EQ(result.redraw.first, 0);
  EXPECT_EQ(result.redraw.last, 2);
  EXPECT_EQ(prompts.captions.back(), "移動量を半音単位で入力");
  EXPECT_EQ(prompts.initials.back(), "0");
  session.moveByAmount();  // -2.5 rounds to -2
  EXPECT_EQ(keysOf(song), (Ints{81, 63, 5}));
  EXPECT_FALSE(session.moveByAmount().changedAnything());  // no number: 0
  EXPECT_FALSE(session.moveByAmount().changedAnything());  // cancelled
  session.moveDown();
  select(1, 1);
  session.moveUp();
  EXPECT_EQ(keysOf(song), (Ints{80, 63, 4}));
  EXPECT_EQ(session.journal().caption(), "キーの変更を元に戻す(&U)");
  for (int i = 0; i < 3; ++i) session.undo();
  // The note held at 83 returns to 80, not to 78.
  expectUndoneTo(before);
  song.selFirst = song.selLast = song.noteCount;
  EXPECT_FALSE(session.moveUp().changedAnything());
}

TEST_F(EditCommands, InsertRestAndInsertAskedNoteGoAtSelFirst) {
  load({{"あ", 480, 40, kEmpty}});
  Song before = song;
  session.setDefaultLength(960);
  EditResult result = session.insertRest();
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "R"}));
  EXPECT_EQ(lengthsOf(song), (Ints{480, 960}));
  EXPECT_EQ(keysOf(song), (Ints{40, 36}));
  EXPECT_EQ(song.selFirst, 2);  // the insertion point stays after the rest
  EXPECT_EQ(song.selLast, 2);
  EXPECT_TRUE(result.modifiedSet);
  EXPECT_EQ(session.journal().caption(), "休符の挿入を元に戻す(&U)");

  select(0, 0);
  prompts.answers = {"あ", std::nullopt};
  session.insertAskedNote();
  EXPECT_EQ(prompts.captions.back(), "挿入する音を入力");
  EXPECT_EQ(prompts.initials.back(), "R");
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "あ", "R"}));
  EXPECT_EQ(song[0].props, "55\t\t\t\t\t");  // pre-utterance from the voice bank
  EXPECT_EQ(song.selFirst, 0);
  EXPECT_EQ(session.journal().caption(), "ノートの挿入を元に戻す(&U)");
  EXPECT_FALSE(session.insertAskedNote().changedAnything());
  session.undo();
  expectUndoneTo(before);
}

TEST_F(EditCommands, CopyCutAndPaste) {
  load({{"あ", 480, 36, kProps}, {"R", 240, 36, kEmpty}, {"きゃ", 480, 40, kEmpty}, {"ka", 480, 41, kEmpty}});
  select(3, 0);
  session.copy();
  EXPECT_EQ(clipboard.content, "あ きゃ\"ka\"");
  EXPECT_EQ(session.clipboard().notes.size(), 4u);

  Song before = song;
  select(4, 4);
  EditResult result = session.paste();  // at the end: appended and selected
  EXPECT_EQ(song.noteCount, 8);
  EXPECT_EQ(song[4].props, kProps);
  EXPECT_EQ(song.selFirst, 4);
  EXPECT_EQ(song.selLast, 7);
  EXPECT_EQ(result.redraw.first, 4);
  EXPECT_EQ(session.journal().caption(), "ノートの貼付けを元に戻す(&U)");
  expectUndoneTo(before);

  select(1, 2);
  session.cut();
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "ka"}));
  EXPECT_EQ(clipboard.content, " きゃ");
  select(1, 1);
  session.paste();
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "R", "きゃ", "ka"}));
  session.undo();
  expectUndoneTo(before);

  // Copy with nothing selected empties the note clipboard only.
  select(song.noteCount, song.noteCount);
  session.copy();
  EXPECT_TRUE(session.clipboard().notes.empty());
  EXPECT_EQ(clipboard.content, " きゃ");
  EXPECT_FALSE(session.paste().changedAnything());
}

TEST_F(EditCommands, SelectAllInAnEmptySongSelectsNothing) {
  load({});
  session.selectAll();
  EXPECT_EQ(song.selFirst, 0);
  EXPECT_EQ(song.selLast, 0);
}

TEST_F(EditCommands, QuantizeRoundsDeletesAndAsksUntilNumeric) {
  load({{"あ", 130, 36, kEmpty}, {"い", 30, 36, kEmpty}, {"う", 500, 36, kEmpty}, {"え", 77, 36, kEmpty}});
  Song before = song;
  prompts.answers = {"x", "0", " 20 "};
  EditResult result = session.quantize();
  EXPECT_EQ(prompts.captions, (Strings{"クォンタイズ単位の入力", "クォンタイズ単位の入力", "クォンタイズ単位の入力"}));
  EXPECT_EQ(prompts.initials.front(), "20");
  // 130 -> 160, 30 -> removed; the note that moved into its place is not
  // looked at and the last note is outside the range.
  EXPECT_EQ(lengthsOf(song), (Ints{160, 500, 77}));
  EXPECT_EQ(song.selFirst, 3);  // still nothing selected
  EXPECT_EQ(song.selLast, 3);
  EXPECT_TRUE(result.modifiedSet);
  EXPECT_EQ(session.journal().caption(), "クォンタイズを元に戻す(&U)");
  expectUndoneTo(before);

  select(4, 4);
  prompts.answers = {};
  EXPECT_FALSE(session.quantize().changedAnything());  // cancelled
  EXPECT_EQ(prompts.captions.size(), 4u);
  select(0, 1);
  prompts.answers = {"20"};
  session.quantize();  // the range is note 0 only
  EXPECT_EQ(lengthsOf(song), (Ints{160, 30, 500, 77}));
}

TEST_F(EditCommands, RestRemovalJoinsShortRestsToTheNoteBefore) {
  load({{"あ", 480, 36, kEmpty}, {"R", 80, 36, kEmpty}, {"い", 480, 36, kEmpty}, {"", 200, 36, kEmpty}, {"う", 480, 36, kEmpty},
        {"R", 40, 36, kEmpty}});
  Song before = song;
  prompts.answers = {"20"};
  session.removeRests();
  EXPECT_EQ(prompts.captions.back(), "入力値以下の休符を除去します");
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "い", "", "う"}));
  EXPECT_EQ(lengthsOf(song), (Ints{560, 480, 200, 520}));
  EXPECT_EQ(session.journal().caption(), "休符の除去を元に戻す(&U)");
  expectUndoneTo(before);
}

TEST_F(EditCommands, InsertTonePubInsertsOrReplacesAndMovesOn) {
  load({{"か", 480, 36, "1\t2\t3\t4\t5\t6"}});
  select(0, 0);
  session.insertTonePub("あ", 50, 130, false);
  session.insertTonePub("い", 51, 0, false);
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "い", "か"}));
  EXPECT_EQ(lengthsOf(song), (Ints{120, 1920, 480}));
  EXPECT_EQ(keysOf(song), (Ints{50, 51, 36}));
  EXPECT_EQ(song.selFirst, 2);
  EXPECT_EQ(session.journal().caption(), "挿入を元に戻す(&U)");
  session.insertTonePub("あ", 60, 480, true);
  EXPECT_EQ(lyricsOf(song), (Strings{"あ", "い", "あ"}));
  EXPECT_EQ(song[2].props, "55\t2\t3\t4\t5\t6");
  EXPECT_EQ(song[2].noteNumber, 36);
  EXPECT_EQ(song.selFirst, 3);
  EXPECT_EQ(session.journal().caption(), "歌詞を元に戻す(&U)");
  EXPECT_FALSE(session.insertTonePub("あ", 60, 480, true).changedAnything());  // past the last note
  session.undo();
  EXPECT_EQ(song[2].props, "1\t2\t3\t4\t5\t6");
  session.undo();
  session.undo();
  EXPECT_EQ(lyricsOf(song), (Strings{"か"}));
}

TEST_F(EditCommands, UndoSkipsForeignAndOutOfRangeLines) {
  load({{"あ", 480, 36, kEmpty}});
  session.journal().push("XYZ\t1\r\nPROP\t9\t1\tx\t1\r\nDEL\t5\t7\r\nPROP\t0\t240\tい\t40\r\n", "test");
  EditResult result = session.undo();
  EXPECT_EQ(lyricsOf(song), (Strings{"い"}));
  EXPECT_EQ(lengthsOf(song), (Ints{240}));
  EXPECT_TRUE(result.redraw.toEnd());
  EXPECT_FALSE(session.undo().changedAnything());
}

// Each undo leaves one redo step that brings back the notes exactly as the
// command left them, selected; a new edit drops the redo steps.
TEST_F(EditCommands, RedoTakesBackEachUndoStepAndANewEditClearsIt) {
  using Step = std::function<EditResult(EditSession&, Song&)>;
  struct Edit {
    const char* label;
    Step run;
    std::pair<int, int> redoneSelection;
  };
  const Edit edits[] = {
      {"キーの変更", [](EditSession& s, Song& g) { g.selFirst = 0, g.selLast = 1; return s.moveUp(); }, {0, 1}},
      {"休符の挿入", [](EditSession& s, Song& g) { g.selFirst = g.selLast = 1; return s.insertRest(); }, {1, 1}},
      {"ノート結合", [](EditSession& s, Song& g) { g.selFirst = 2, g.selLast = 3; return s.merge(); }, {2, 2}},
      {"ノートの削除", [](EditSession& s, Song& g) { g.selFirst = g.selLast = 0; return s.deleteSelection(); }, {3, 3}},
  };
  load({{"あ", 480, 36, kProps}, {"い", 240, 37, kEmpty}, {"う", 960, 38, kProps}, {"え", 480, 39, kEmpty}});
  std::vector<Song> states{song};
  for (const Edit& edit : edits) {
    edit.run(session, song);
    states.push_back(song);
  }
  EXPECT_EQ(session.journal().redoCaption(), "やり直し(&R)");
  for (size_t undone = 1; undone <= std::size(edits); ++undone) {
    (void)session.undo();
    EXPECT_EQ(session.journal().redoCaption(), std::string(edits[std::size(edits) - undone].label) + "をやり直し(&R)");
  }
  for (size_t step = 1; step < states.size(); ++step) {
    song.modified = false;
    EditResult result = session.redo();
    EXPECT_TRUE(result.journalChanged && result.modifiedSet && song.modified) << step;
    expectNotes(song, std::vector<Note>(states[step].notes.begin(), states[step].notes.begin() + states[step].noteCount));
    EXPECT_EQ(std::pair(song.selFirst, song.selLast), edits[step - 1].redoneSelection) << step;
    EXPECT_EQ(session.journal().caption(), std::string(edits[step - 1].label) + "を元に戻す(&U)");
  }
  EXPECT_FALSE(session.redo().changedAnything());
  (void)session.undo();
  (void)session.undo();
  EXPECT_TRUE(session.journal().canRedo());
  (void)session.insertRest();
  EXPECT_FALSE(session.journal().canRedo());
  EXPECT_EQ(session.journal().redoCaption(), "やり直し(&R)");
}

TEST_F(EditCommands, TempoAndOutsideEditsMarkTheSongAndTellTheListenersOnlyWhenTheyChangeIt) {
  std::vector<EditResult> heard;
  session.addListener([&](const EditResult& result) { heard.push_back(result); });
  load({{"あ", 480, 40, ""}});
  song.tempoText = "120";
  struct Step {
    const char* what;
    std::function<void()> run;
    bool changed;  // the changed flag set, and a journal entry for applyEdit
  };
  const Step steps[] = {
      {"same tempo", [&] { session.setTempoText("120"); }, false},
      {"new tempo", [&] { session.setTempoText("130"); }, true},
      {"no record", [&] { session.applyEdit("x", [](Song&) { return EditSession::RecordedEdit{}; }); }, false},
      {"record",
       [&] {
         session.applyEdit("プロパティ", [](Song& s) {
           s.notes[0].lyric = "い";
           return EditSession::RecordedEdit{"K\t0\t40", {NoteSpan::of(0, 0)}};
         });
       },
       true},
  };
  for (const Step& step : steps) {
    song.modified = false;
    heard.clear();
    step.run();
    EXPECT_EQ(song.modified, step.changed) << step.what;
    EXPECT_EQ(!heard.empty() && heard.back().modifiedSet, step.changed) << step.what;
  }
  EXPECT_EQ(song.tempoText, "130");
  EXPECT_EQ(song.notes[0].lyric, "い");
  EXPECT_EQ(session.journal().size(), 1u);
  EXPECT_EQ(session.journal().newestLabel(), "プロパティ");
}
