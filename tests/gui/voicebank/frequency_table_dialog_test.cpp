// The frequency-table editor on the offscreen platform, found by object
// names: selecting rows and double-clicking command labels, Set, write and
// close with and without the question, the size rule, a damaged table, and
// the table made anew by a stand-in resampler.

#include <gtest/gtest.h>

#include <filesystem>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/text_file.h"
#include "gui/voicebank/frequency_table_dialog.h"
#include "support/temp_folder.h"
#include "../../editor/scripted_services.h"
#include "../support/find_child.h"

using namespace ruvo;
using namespace ruvo::testing;
using namespace ruvo::gui;
using ruvo::testing::ScriptedPrompts;
using ruvo::testing::TempFolder;

namespace {

class FrequencyTableDialogTest : public ::testing::Test {
 protected:
  void writeTable(std::vector<double> hz, double average = 150) {
    FrqTable table;
    table.header.average = average;
    table.header.frameCount = static_cast<int32_t>(hz.size());
    for (double f : hz) table.values.insert(table.values.end(), {f, 0.0});
    ASSERT_TRUE(writeFrq(table, m_recording));
  }
  std::vector<std::string> rows(QWidget& dialog) {
    std::vector<std::string> texts;
    auto* list = child<QListWidget>(dialog, "List1");
    for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().toStdString());
    return texts;
  }

  TempFolder m_dir{"ruvo_frq_dialog"};
  std::string m_recording = m_dir / "a.wav";
  ScriptedPrompts m_prompts;
  Settings m_settings;
  FrequencyTableServices m_services{m_prompts, m_settings, m_dir.path(), ""};
};

TEST_F(FrequencyTableDialogTest, EditsWritesAndClosesWithoutAQuestion) {
  writeTable({100, 55, 120, 130, 140});
  FrequencyTableDialog dialog(m_recording, m_services, nullptr);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("a.wav"));
  EXPECT_EQ(rows(dialog), (std::vector<std::string>{"100.00000000", "----", "120.00000000", "130.00000000", "140.00000000"}));
  EXPECT_EQ(child<QLineEdit>(dialog, "txtFreqAvg")->text(), QStringLiteral("150.00000000"));

  // Rows 1 and 2 selected with Ctrl, then "x2" double-clicked.
  auto* list = child<QListWidget>(dialog, "List1");
  list->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
  list->setCurrentRow(2, QItemSelectionModel::Select);
  QTest::mouseDClick(child<QLabel>(dialog, "lbx2"), Qt::LeftButton);
  EXPECT_EQ(rows(dialog)[1], "110.00000000");
  EXPECT_EQ(rows(dialog)[2], "240.00000000");
  EXPECT_EQ(child<QLineEdit>(dialog, "txtFrequency")->text(), QStringLiteral("240.00000000"));

  // Set writes the typed text to the current row.
  child<QLineEdit>(dialog, "txtFrequency")->setText(QStringLiteral(" 99.5"));
  QTest::mouseClick(child<QPushButton>(dialog, "cmdSetValue"), Qt::LeftButton);
  EXPECT_EQ(rows(dialog)[2], " 99.5");

  // Closing with changes asks; No keeps the window open.
  m_prompts.answers = {Answer::No};
  QTest::mouseClick(child<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
  EXPECT_EQ(m_prompts.questions, std::vector<std::string>{kFrqDiscardQuestion});
  EXPECT_TRUE(dialog.isVisible());

  child<QLineEdit>(dialog, "txtFreqAvg")->setText(QStringLiteral("0"));
  QTest::mouseClick(child<QPushButton>(dialog, "OKButton"), Qt::LeftButton);
  EXPECT_EQ(m_prompts.messages, std::vector<std::string>{"a.wavの周波数表を更新しました。"});
  EXPECT_EQ(child<QLineEdit>(dialog, "txtFreqAvg")->text(), QStringLiteral("150.00000000"));
  EXPECT_EQ(readFrq(m_recording)->values[4], 99.5);
  EXPECT_TRUE(dialog.written());

  QTest::mouseClick(child<QPushButton>(dialog, "CancelButton"), Qt::LeftButton);
  EXPECT_EQ(m_prompts.questions.size(), 1u);  // no question after the write
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FrequencyTableDialogTest, SizeRuleAndGraph) {
  writeTable(std::vector<double>(4095, 200));
  FrequencyTableDialog dialog(m_recording, m_services, nullptr);
  dialog.show();
  dialog.resize(50, 900);
  QApplication::processEvents();
  EXPECT_EQ(dialog.height(), 310);  // 4650 twips
  EXPECT_GE(dialog.width(), 318);   // 4770 twips
  dialog.resize(900, 310);
  const QImage picture = dialog.grab().toImage();
  // Frame 0 at 200 Hz: its mark's left edge from (4845, 3190) to (4845, 3220) twips.
  EXPECT_EQ(picture.pixelColor(323, 213), QColor(0, 0, 255));
  EXPECT_EQ(picture.pixelColor(600, 100), QColor(Qt::white));
}

TEST_F(FrequencyTableDialogTest, DamagedTablesAreReportedNotShown) {
  std::string header(40, '\0');
  for (const std::string& bytes : {std::string(), std::string(12, 'x'), header.replace(36, 4, "\x00\x10\x00\x00", 4)}) {
    ASSERT_TRUE(writeFileBytes(m_dir / "a_wav.frq", bytes));
    m_prompts.messages.clear();
    EXPECT_FALSE(FrequencyTableDialog::edit(m_recording, m_services, nullptr));
    ASSERT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_NE(m_prompts.messages[0].find("a_wav.frq"), std::string::npos) << m_prompts.messages[0];
  }
}

TEST_F(FrequencyTableDialogTest, RegenerateShowsTheNewTableAndDeletesCachedNotes) {
  writeTable({100, 200});
  // The stand-in resampler writes a table of three frames at 300 Hz.
  FrqTable fresh;
  fresh.header.frameCount = 3;
  fresh.header.average = 300;
  fresh.values = {300, 0, 300, 0, 300, 0};
  ASSERT_TRUE(writeFrq(fresh, m_dir / "fresh.wav"));
  const std::string tool = m_dir / "tool.sh";
  ASSERT_TRUE(writeFileBytes(tool, "#!/bin/sh\ncp \"" + m_dir / "fresh_wav.frq" + "\" \"${1%.wav}_wav.frq\"\n"));
  std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
  m_settings.Tool2Path = tool;
  const std::string cache = m_dir / "cache";
  std::filesystem::create_directories(cache);
  ASSERT_TRUE(writeFileBytes(cache + "/a_C4_550.wav", "x"));
  ASSERT_TRUE(writeFileBytes(cache + "/ka_C4_550.wav", "x"));
  m_services.cacheFolder = cache;

  m_prompts.answers = {Answer::Yes};
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<FrequencyTableDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QTest::mouseClick(child<QPushButton>(*dialog, "cmdGenerate"), Qt::LeftButton);
    EXPECT_EQ(rows(*dialog), (std::vector<std::string>{"300.00000000", "300.00000000", "300.00000000"}));
    dialog->reject();
  });
  EXPECT_TRUE(FrequencyTableDialog::edit(m_recording, m_services, nullptr));
  EXPECT_EQ(m_prompts.questions, std::vector<std::string>{"「a.wav」の周波数表を再作成します。"});
  EXPECT_FALSE(std::filesystem::exists(cache + "/a_C4_550.wav"));
  EXPECT_TRUE(std::filesystem::exists(cache + "/ka_C4_550.wav"));
}

}  // namespace
