#include "voicebank/frq_editor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <filesystem>
#include <limits>

#include "core/text_file.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

class FrqEditorTest : public ::testing::Test {
 protected:
  // A table of the given frame frequencies, each frame's second value its index.
  void writeTable(std::vector<double> hz, double average = 220.0) {
    FrqTable table;
    table.header.identifier = "FREQ0003";
    table.header.average = average;
    table.header.frameCount = static_cast<int32_t>(hz.size());
    for (size_t i = 0; i < hz.size(); ++i) table.values.insert(table.values.end(), {hz[i], double(i)});
    ASSERT_TRUE(writeFrq(table, m_recording));
  }
  FrqEditor open() {
    auto editor = FrqEditor::open(m_recording);
    EXPECT_TRUE(editor) << editor.error().message;
    return std::move(*editor);
  }

  TempFolder m_dir{"ruvo_frq_editor"};
  std::string m_recording = m_dir / "a.wav";
};

TEST_F(FrqEditorTest, RowsShowEightDecimalsAndNoPitchAsDashes) {
  const double inf = std::numeric_limits<double>::infinity();
  writeTable({55.0, 55.000001, 261.625565, inf, -inf, std::nan("")}, 261.5);
  FrqEditor editor = open();
  EXPECT_EQ(editor.fileName(), "a.wav");
  EXPECT_EQ(editor.rows(), (std::vector<std::string>{"----", "55.00000100", "261.62556500", "inf", "-inf", "nan"}));
  EXPECT_EQ(editor.averageText, "261.50000000");
  EXPECT_EQ(editor.valueText, "0.000000");
  editor.clickRow(0);
  EXPECT_EQ(editor.valueText, "");
  editor.clickRow(2);
  EXPECT_EQ(editor.valueText, "261.62556500");
  EXPECT_FALSE(editor.modified());
}

// Each command on a fresh table of 100, 55 (no pitch), 120, 130, 140, 150,
// 160 Hz: the rows it selects, what it leaves in the rows, the value box and
// the changed span.
TEST_F(FrqEditorTest, CommandsOnTheSelection) {
  struct Case {
    const char* name;
    std::vector<int> selection;
    std::function<FrqRowSpan(FrqEditor&)> command;
    std::vector<double> after;
    std::string valueText;
    FrqRowSpan span;
  };
  const std::vector<double> before{100, 55, 120, 130, 140, 150, 160};
  const std::vector<Case> cases{
      {"/2", {0, 2}, [](FrqEditor& e) { return e.scale(FrqScale::Half); }, {50, 55, 60, 130, 140, 150, 160},
       "60.00000000", {0, 2}},
      {"/3", {3}, [](FrqEditor& e) { return e.scale(FrqScale::Third); }, {100, 55, 120, 130 / 3.0, 140, 150, 160},
       "43.33333333", {3, 3}},
      {"x2 on no pitch", {1}, [](FrqEditor& e) { return e.scale(FrqScale::Double); },
       {100, 110, 120, 130, 140, 150, 160}, "110.00000000", {1, 1}},
      {"x3", {6, 5}, [](FrqEditor& e) { return e.scale(FrqScale::Triple); }, {100, 55, 120, 130, 140, 450, 480},
       "480.00000000", {5, 6}},
      {"-", {2, 4}, [](FrqEditor& e) { return e.clearPitch(); }, {100, 55, 55, 130, 55, 150, 160}, "", {2, 4}},
      // Rows 2..6 (counted from 1) hold 55, 120, 130, 140, 150: the ends
      // take part with their numbers, no pitch included.
      {"avg 2..6", {1, 3, 5}, [](FrqEditor& e) { return e.interpolate(); },
       {100, 55, 78.75, 102.5, 126.25, 150, 160}, "0.000000", {2, 4}},
      {"avg over neighbours", {2, 3}, [](FrqEditor& e) { return e.interpolate(); }, before, "0.000000", {0, -1}},
      {"nothing selected", {}, [](FrqEditor& e) { return e.scale(FrqScale::Half); }, before, "0.000000", {0, -1}},
  };
  for (const Case& c : cases) {
    writeTable(before);
    FrqEditor editor = open();
    editor.setSelection(c.selection);
    FrqRowSpan span = c.command(editor);
    for (size_t i = 0; i < before.size(); ++i) {
      EXPECT_DOUBLE_EQ(editor.frequency(static_cast<int>(i)), c.after[i]) << c.name << " row " << i;
      EXPECT_EQ(editor.rows()[i], frqRowText(c.after[i])) << c.name << " row " << i;
      EXPECT_EQ(editor.table().values[2 * i + 1], double(i)) << c.name << " second value";
    }
    EXPECT_EQ(editor.valueText, c.valueText) << c.name;
    EXPECT_EQ(span.first, c.span.first) << c.name;
    EXPECT_EQ(span.last, c.span.last) << c.name;
    EXPECT_EQ(editor.modified(), !span.empty()) << c.name;
  }
}

TEST_F(FrqEditorTest, AverageAcrossRowsTwoToSixOfTheRule) {
  writeTable({90, 100, 0, 0, 0, 140, 200});
  FrqEditor editor = open();
  editor.setSelection({5, 1});
  editor.interpolate();
  EXPECT_EQ(editor.rows(), (std::vector<std::string>{"90.00000000", "100.00000000", "110.00000000", "120.00000000",
                                                     "130.00000000", "140.00000000", "200.00000000"}));
}

TEST_F(FrqEditorTest, SetTakesAWholeFiniteNumberAsTyped) {
  struct Case {
    std::string typed;
    bool taken;
    double hz;
  };
  for (const Case& c : std::vector<Case>{{" 123.4 ", true, 123.4}, {"1e2", true, 100}, {"12abc", false, 0},
                                         {"", false, 0}, {"1e999", false, 0}, {"nan", false, 0}}) {
    writeTable({200, 300});
    FrqEditor editor = open();
    editor.clickRow(1);
    editor.valueText = c.typed;
    EXPECT_EQ(!editor.setValue().empty(), c.taken) << c.typed;
    EXPECT_EQ(editor.rows()[1], c.taken ? c.typed : "300.00000000") << c.typed;
    EXPECT_EQ(editor.frequency(1), c.taken ? c.hz : 300) << c.typed;
    EXPECT_EQ(editor.modified(), c.taken) << c.typed;
  }
  writeTable({200});
  FrqEditor editor = open();
  editor.valueText = "100";
  EXPECT_TRUE(editor.setValue().empty());  // no current row
}

TEST_F(FrqEditorTest, AverageBoxRuleOnWrite) {
  struct Case {
    std::string typed;
    double written;
    std::string shown;
  };
  for (const Case& c : std::vector<Case>{{"0", 220, "220.00000000"},
                                         {"abc", 220, "220.00000000"},
                                         {"1e999", 220, "220.00000000"},
                                         {"230.5", 230.5, "230.5"},
                                         {"220.00000000", 220, "220.00000000"}}) {
    writeTable({200}, 220);
    FrqEditor editor = open();
    editor.averageText = c.typed;
    ASSERT_TRUE(editor.write().written) << c.typed;
    EXPECT_EQ(editor.averageText, c.shown) << c.typed;
    EXPECT_EQ(readFrq(m_recording)->header.average, c.written) << c.typed;
  }
}

TEST_F(FrqEditorTest, WritesKeepOneBackupAndCloseWithoutAQuestionAfterwards) {
  writeTable({100, 200});
  FrqEditor editor = open();
  editor.setSelection({0});
  editor.scale(FrqScale::Double);
  EXPECT_TRUE(editor.modified());
  FrqWriteOutcome first = editor.write();
  EXPECT_EQ(first.message, "a.wavの周波数表を更新しました。");
  EXPECT_EQ(first.icon, MessageIcon::Information);
  EXPECT_TRUE(editor.written());
  EXPECT_FALSE(editor.modified());  // closing now asks nothing
  editor.scale(FrqScale::Double);
  ASSERT_TRUE(editor.write().written);
  EXPECT_EQ(readFrq(m_recording)->values[0], 400);
  auto backup = readFileBytes(m_dir / "a_wav.bak");
  ASSERT_TRUE(backup);
  double backupFirst = 0;
  std::memcpy(&backupFirst, backup->data() + 40, 8);
  EXPECT_EQ(backupFirst, 200);  // the state before the second write

  // Revert reads the file again; the average box keeps its text.
  editor.scale(FrqScale::Half);
  editor.averageText = "300";
  ASSERT_TRUE(editor.revert());
  EXPECT_EQ(editor.rows()[0], "400.00000000");
  EXPECT_EQ(editor.averageText, "300");
  EXPECT_TRUE(editor.selection().empty());
  EXPECT_FALSE(editor.modified());
}

TEST_F(FrqEditorTest, AFailedWriteSaysSoAndKeepsTheChanges) {
  writeTable({100});
  FrqEditor editor = open();
  editor.setSelection({0});
  editor.scale(FrqScale::Triple);
  std::filesystem::create_directories(m_dir / "a_wav.frq.new");  // the new table cannot be created
  FrqWriteOutcome outcome = editor.write();
  EXPECT_FALSE(outcome.written);
  EXPECT_EQ(outcome.message, "a.wavの周波数表を更新出来ませんでした。");
  EXPECT_EQ(outcome.icon, MessageIcon::Warning);
  EXPECT_NE(outcome.reason, "");
  EXPECT_TRUE(editor.modified());
  EXPECT_FALSE(editor.written());
  EXPECT_EQ(readFrq(m_recording)->values[0], 100);
}

TEST_F(FrqEditorTest, DamagedTablesDoNotOpen) {
  EXPECT_FALSE(FrqEditor::open(m_recording));  // missing
  std::vector<double> frames(4095, 100.0);
  writeTable(frames);
  EXPECT_EQ(open().frameCount(), 4095);
  frames.push_back(100.0);
  writeTable(frames);
  auto tooLong = FrqEditor::open(m_recording);
  ASSERT_FALSE(tooLong);
  EXPECT_NE(tooLong.error().message.find("frame count 4096"), std::string::npos);
}

}  // namespace
