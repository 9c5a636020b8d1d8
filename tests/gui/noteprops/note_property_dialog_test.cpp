// The note property dialog on the offscreen platform, found by object
// names: the states its boxes show, the detail toggle, and the window's
// commands applying it as one undo step.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "editor/undo_apply.h"
#include "gui/editor/main_window.h"
#include "gui/editor/qt_project_dialogs.h"
#include "core/text_file.h"
#include "gui/noteprops/note_property_dialog.h"
#include "gui/noteprops/pitch_curve_dialog.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"
#include "../support/window_fixture.h"
#include "../support/find_child.h"

using namespace ruvo;
using namespace ruvo::gui;
using namespace ruvo::testing;

namespace {

class PropertyDialogTest : public ::testing::Test {
 protected:
  std::unique_ptr<NotePropertyDialog> open(const PropertyValues& values, std::string voiceFolder = "/voices") {
    NoteSound sound;
    if (!voiceFolder.empty()) sound.recordingPath = voiceFolder + "/a.wav";
    auto dialog = std::make_unique<NotePropertyDialog>(nullptr, values, sound, m_settings, m_prompts);
    dialog->show();
    return dialog;
  }
  static bool greyed(QLineEdit* box) { return box->palette().color(QPalette::Base) == QColor(0xE0, 0xE0, 0xE0); }

  Settings m_settings;
  ScriptedPrompts m_prompts;
};

TEST_F(PropertyDialogTest, SingleNoteShowsItsFlagsAndWritesThemBack) {
  auto dialog = open(PropertyValues{36, 1920, "a", "\t80\t\t\tB50,N,xyz\ttempo=150\\nenv=0 5", 3});
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("音のプロパティ"));
  EXPECT_EQ(child<QLineEdit>(dialog.get(), "txtLeng")->text(), QStringLiteral("480"));
  EXPECT_EQ(child<QLineEdit>(dialog.get(), "txtBre")->text(), QStringLiteral("50"));
  EXPECT_EQ(child<QCheckBox>(dialog.get(), "chkNoFilter")->checkState(), Qt::Checked);
  EXPECT_EQ(child<QLineEdit>(dialog.get(), "txtFlags")->text(), QStringLiteral("xyz"));
  EXPECT_EQ(child<QLineEdit>(dialog.get(), "txtOtherCommands")->text(), QStringLiteral("tempo=150 env=0,5"));
  EXPECT_TRUE(child<QPushButton>(dialog.get(), "cmdEditPitches")->isEnabled());

  child<QLineEdit>(dialog.get(), "txtLeng")->setText(QStringLiteral("240"));
  child<QLineEdit>(dialog.get(), "txtVolume")->setText(QStringLiteral("250"));  // beyond the bar
  QTest::mouseClick(child<QPushButton>(dialog.get(), "OKButton"), Qt::LeftButton);
  EXPECT_EQ(dialog->result().length, 960);
  EXPECT_EQ(dialog->result().props, "\t80\t\t\tB50Nxyz\ttempo=150\\nenv=0 5");
}

TEST_F(PropertyDialogTest, OkOnANumberTheNoteCannotPlayNamesItAndStaysOpen) {
  auto dialog = open(PropertyValues{36, 1920, "a", "", 3});
  for (const char* box : {"txtLeng", "txtOffset", "txtBre"}) {
    m_prompts.messages.clear();
    auto* edit = child<QLineEdit>(dialog.get(), box);
    const QString before = edit->text();
    edit->setText(QStringLiteral("99999999"));
    QTest::mouseClick(child<QPushButton>(dialog.get(), "OKButton"), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible()) << box;
    ASSERT_EQ(m_prompts.messages.size(), 1u) << box;
    EXPECT_NE(m_prompts.messages[0].find("「99999999」"), std::string::npos) << m_prompts.messages[0];
    edit->setText(before);
  }
  QTest::mouseClick(child<QPushButton>(dialog.get(), "OKButton"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result().length, 1920);
}

TEST_F(PropertyDialogTest, RangeModeGreysMixedBoxesAndCyclesTheCheckBox) {
  auto dialog = open(PropertyValues{-1, -1, "*", "\t*\t\t\tB50,*,\t", NotePropertyForm::kRangeId});
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("** 選択範囲のプロパティ **"));
  EXPECT_FALSE(child<QPushButton>(dialog.get(), "cmdEditPitches")->isEnabled());
  auto* volume = child<QLineEdit>(dialog.get(), "txtVolume");
  EXPECT_TRUE(greyed(volume));
  EXPECT_TRUE(greyed(child<QLineEdit>(dialog.get(), "txtLeng")));
  EXPECT_FALSE(greyed(child<QLineEdit>(dialog.get(), "txtBre")));
  QTest::mouseDClick(volume, Qt::LeftButton);
  EXPECT_FALSE(greyed(volume));
  volume->setText(QStringLiteral("70"));
  EXPECT_EQ(child<QWidget>(dialog.get(), "vscrlVolume")->property("value").toInt(), -70);

  auto* check = child<QCheckBox>(dialog.get(), "chkNoFilter");
  EXPECT_EQ(check->checkState(), Qt::PartiallyChecked);
  std::vector<Qt::CheckState> seen;
  for (int i = 0; i < 3; ++i) {
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    seen.push_back(check->checkState());
  }
  EXPECT_EQ(seen, (std::vector{Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked}));
  QTest::mouseClick(child<QPushButton>(dialog.get(), "OKButton"), Qt::LeftButton);
  EXPECT_EQ(dialog->result().props, "\t70\t\t\tB50,*,\t");
}

TEST_F(PropertyDialogTest, DetailToggleAndMissingVoiceFolder) {
  auto dialog = open(PropertyValues{36, 1920, "a", "", 0}, "");
  auto* pitches = child<QPushButton>(dialog.get(), "cmdEditPitches");
  EXPECT_FALSE(pitches->isEnabled());
  EXPECT_EQ(pitches->text(), QStringLiteral("原音を設定してください"));
  auto* detail = child<QLabel>(dialog.get(), "lblDetail");
  int collapsed = dialog->height();
  QTest::mouseClick(detail, Qt::LeftButton);
  EXPECT_EQ(detail->text(), QStringLiteral("△隠す"));
  EXPECT_GT(dialog->height(), collapsed);
  EXPECT_TRUE(m_settings.PropExpandDetail);
  EXPECT_TRUE(child<QLineEdit>(dialog.get(), "txtOffset")->isVisible());
  // The next dialog opens expanded.
  auto next = open(PropertyValues{36, 1920, "a", "", 0});
  EXPECT_EQ(child<QLabel>(next.get(), "lblDetail")->text(), QStringLiteral("△隠す"));
}

TEST_F(PropertyDialogTest, TheVcvAliasChosenForTheLyricShowsBesideIt) {
  NoteSound sound;
  sound.chosenAlias = "a か";
  NotePropertyDialog chosen(nullptr, PropertyValues{36, 1920, "か", "", 0}, sound, m_settings, m_prompts);
  chosen.show();
  auto* label = child<QLabel>(&chosen, "lblChosenAlias");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), QStringLiteral("→ a か"));
  EXPECT_TRUE(label->isVisible());
  auto plain = open(PropertyValues{36, 1920, "か", "", 0});
  EXPECT_EQ(plain->findChild<QLabel*>(QStringLiteral("lblChosenAlias")), nullptr);
}

TEST_F(PropertyDialogTest, PitchButtonOpensTheCurveOverTheCachedNoteAndTakesItsText) {
  TempFolder dir;
  WaveSpec spec;
  spec.samples.assign(22050, 1000);
  ASSERT_TRUE(writeFileBytes(dir / "a.wav", buildWave(spec)));
  ASSERT_TRUE(writeFileBytes(dir / "3_a_C4_500.wav", buildWave(spec)));
  NoteSound sound;
  sound.recordingPath = dir / "a.wav";
  sound.recordingName = "a";
  sound.noteName = "C4";
  sound.cacheFolder = dir.path();
  sound.lengthMs = 250;
  NotePropertyDialog dialog(nullptr, PropertyValues{36, 960, "a", "\t\t\t5Q120 3\t\t", 3}, sound, m_settings, m_prompts);
  dialog.show();
  bool drawnOverRendering = false;
  QTimer::singleShot(0, [&] {
    auto* editor = qobject_cast<PitchCurveDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(editor, nullptr);
    drawnOverRendering = editor->form().sound().waveIsRendering;
    EXPECT_FLOAT_EQ(editor->form().values()[1], 0.3f);
    editor->findChild<QPushButton*>(QStringLiteral("cmdReset"))->click();
    editor->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  QTest::mouseClick(child<QPushButton>(&dialog, "cmdEditPitches"), Qt::LeftButton);
  EXPECT_TRUE(drawnOverRendering);
  EXPECT_EQ(dialog.form().pitchCurve(), "");
}

// The window's commands, through the real dialog.
class PropertyCommandTest : public ::testing::Test, protected WindowFixture {
 protected:
  PropertyCommandTest() : WindowFixture("ruvo_property_commands") {
    m_window.show();
    Song& song = m_window.session().song();
    song.notes = {{"a", 960, 36, "\t80\t\t\t\t"}, {"i", 960, 38, "\t90\t\t5Q120 3\t\t"}, {}};
    song.noteCount = 2;
    song.cacheDir = m_dir / "cache";
    std::filesystem::create_directories(song.cacheDir);
  }
  // Triggers `command` and, in the dialog it opens, runs `act` and presses OK.
  void run(const char* command, std::function<void(QWidget*)> act) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      ASSERT_EQ(dialog->objectName(), QStringLiteral("frmNoteProperty"));
      opened = true;
      act(dialog);
      QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
    });
    m_window.menus().action(QString::fromUtf8(command))->trigger();
    EXPECT_TRUE(opened) << command;
  }
};

TEST_F(PropertyCommandTest, RangeItemAppliesOneUndoStepAndDropsTheCachedNotes) {
  QAction* range = m_window.menus().action(QStringLiteral("mnPropRange"));
  EXPECT_TRUE(range->isEnabled());
  EXPECT_EQ(range->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
  for (const char* name : {"0_a_C4_550.wav", "1_i_D4_550.wav", "i_D4_550.wav"}) std::ofstream(song().cacheDir + "/" + name) << "x";

  song().selFirst = 0;
  song().selLast = 1;
  run("mnPropRange", [](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("txtOffset"))->setText(QStringLiteral("40"));
  });
  EXPECT_EQ(song()[0].props, "40\t80\t\t\t\t");
  EXPECT_EQ(song()[1].props, "40\t90\t\t5Q120 3\t\t");
  EXPECT_TRUE(song().modified);
  EXPECT_EQ(m_window.edits().journal().size(), 1u);
  EXPECT_EQ(m_window.edits().journal().caption(), "プロパティを元に戻す(&U)");
  EXPECT_TRUE(std::filesystem::is_empty(song().cacheDir));

  applyUndoRecord(song(), *m_window.edits().journal().pop());
  EXPECT_EQ(song()[1].props, "\t90\t\t5Q120 3\t\t");

  // One note: its own values, no record when nothing changed.
  song().selFirst = song().selLast = 1;
  run("mnToneProp", [](QWidget*) {});
  EXPECT_EQ(m_window.edits().journal().size(), 0u);
  run("mnToneProp", [](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("cmdClear"))->click(); });
  EXPECT_EQ(song()[1].props, "\t100\t\t\t\t");
  EXPECT_EQ(m_window.edits().journal().size(), 1u);
}

}  // namespace
