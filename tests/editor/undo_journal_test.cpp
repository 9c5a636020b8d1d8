#include "editor/undo_journal.h"

#include <gtest/gtest.h>

#include "editor/note_lines.h"

using namespace ruvo;

TEST(UndoJournal, CaptionNamesTheNewestLabel) {
  UndoJournal journal;
  EXPECT_FALSE(journal.canUndo());
  EXPECT_EQ(journal.caption(), "元に戻す(&U)");
  journal.push("DEL\t0\t0", "挿入");
  journal.push("KEY\t-1\t0\t0", "キーの変更");
  EXPECT_EQ(journal.caption(), "キーの変更を元に戻す(&U)");
  EXPECT_EQ(journal.pop(), "KEY\t-1\t0\t0");
  EXPECT_EQ(journal.caption(), "挿入を元に戻す(&U)");
  EXPECT_EQ(journal.pop(), "DEL\t0\t0");
  EXPECT_FALSE(journal.canUndo());
  EXPECT_EQ(journal.caption(), "元に戻す(&U)");
  EXPECT_EQ(journal.pop(), std::nullopt);
  journal.push("x", "a");
  journal.reset();
  EXPECT_EQ(journal.size(), 0u);
  EXPECT_EQ(journal.caption(), "元に戻す(&U)");
}

TEST(UndoJournal, TheRecordPastCapacityDropsTheOldest) {
  UndoJournal journal;
  for (size_t i = 0; i <= UndoJournal::kCapacity; ++i) journal.push("r" + std::to_string(i), "l" + std::to_string(i));
  EXPECT_EQ(journal.size(), 1024u);
  EXPECT_EQ(journal.caption(), "l1024を元に戻す(&U)");
  std::optional<std::string> last;
  while (auto record = journal.pop()) last = record;
  EXPECT_EQ(last, "r1");
}

TEST(NoteLines, NoteLinesHaveElevenFieldsAndReadBack) {
  Note note{"きゃ", 960, 45, "30\t\t\t\tB50\ttempo=140"};
  std::string line = noteLine(kInsertKind, 7, note);
  EXPECT_EQ(line, "INS\t7\t960\tきゃ\t45\t30\t\t\t\tB50\ttempo=140");
  Note shortRecord{"a", 1, 2, "10"};
  EXPECT_EQ(noteLine(kPropKind, 0, shortRecord), "PROP\t0\t1\ta\t2\t10\t\t\t\t\t");

  auto lines = splitRecord(line + "\r\n" + deleteLine(3, 4) + "\r\n" + keyLine(-5, 1, 2) + "\r\n");
  ASSERT_EQ(lines.size(), 3u);
  Note back = lines[0].note();
  EXPECT_EQ(back.lyric, note.lyric);
  EXPECT_EQ(back.length, 960);
  EXPECT_EQ(back.noteNumber, 45);
  EXPECT_EQ(back.props, note.props);
  EXPECT_EQ(lines[1].kind(), "DEL");
  EXPECT_EQ(lines[2].number(1), -5);
  EXPECT_EQ(lines[2].field(9), "");  // missing fields read as empty
}
