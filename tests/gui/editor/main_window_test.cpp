// The editor window on the offscreen platform, found by object names, with
// file choosers and message boxes answered from scripts and the real
// track-selection and project dialogs driven by their buttons.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "core/text_file.h"
#include "editor/session_texts.h"
#include "gui/editor/main_window.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/qt_project_dialogs.h"
#include "interchange/midi_bytes.h"
#include "interchange/sequence_writer.h"
#include "support/temp_folder.h"
#include "../support/modal_dialogs.h"
#include "../support/window_fixture.h"

using namespace ruvo;
using namespace ruvo::gui;
using namespace ruvo::testing;

namespace {

class WindowTest : public ::testing::Test, protected WindowFixture {
 protected:
  WindowTest() : WindowFixture("ruvo_window") {
    m_window.resize(900, 600);
    m_window.show();
  }

  template <typename T>
  T* find(const char* name) {
    return m_window.findChild<T*>(QString::fromUtf8(name));
  }
};

}  // namespace

TEST_F(WindowTest, StartsUpAsDesigned) {
  EXPECT_EQ(m_window.windowTitle(), QStringLiteral("新規プロジェクト - ＲＵＶＯ"));
  EXPECT_EQ(find<QLineEdit>("txtTempo")->text(), QStringLiteral("120.0"));
  EXPECT_EQ(find<QComboBox>("cmbQuntize")->currentText(), QStringLiteral("L32 32分音符"));
  EXPECT_EQ(m_window.quantizeUnit(), 240);
  EXPECT_EQ(find<QComboBox>("Combo1")->currentText(), QStringLiteral("L4  ４分音符"));
  EXPECT_EQ(m_window.lyricLength(), 1920);
  EXPECT_EQ(find<QLabel>("Panel1")->text(), QStringLiteral("0.500000 sec"));
  EXPECT_EQ(find<QLabel>("Panel2")->text(), QStringLiteral("0.000000 sec"));
  EXPECT_EQ(find<QScrollBar>("HScroll1")->maximum(), 32);
  EXPECT_EQ(m_window.roll()->view().zoom, 2);
  EXPECT_EQ(m_window.roll()->view().rowHeight, 210);
  EXPECT_EQ(m_window.roll()->view().vPos, 36);
  EXPECT_EQ(m_window.roll()->y(), 28);  // 420 twips under the top bar
  EXPECT_TRUE(action("mnHeightMid")->isChecked());
  EXPECT_FALSE(action("mnUndo")->isEnabled());
  EXPECT_FALSE(m_window.session().song().modified);
  EXPECT_TRUE(m_window.menus().history.isEmpty());
  for (const char* name : {"lblPlay", "lblPause", "lblStop", "cmdLyricRepl", "cmdLyricIns", "cmdZoomIn", "cmdGoEnd", "Text2",
                           "Picture2", "VScroll1", "StatusBar1"})
    EXPECT_NE(m_window.findChild<QWidget*>(QString::fromUtf8(name)), nullptr) << name;
}

TEST_F(WindowTest, MenusInOrderWithShortcuts) {
  QStringList bar;
  for (QAction* menu : m_window.menuBar()->actions()) bar << menu->text();
  EXPECT_EQ(bar, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"), QStringLiteral("表示(&V)"),
                              QStringLiteral("プロジェクト(&P)"), QStringLiteral("再生(&P)"), QStringLiteral("ツール(&T)"),
                              QStringLiteral("ヘルプ(&H)")}));
  QStringList file;
  for (QAction* item : find<QMenu>("mnFile")->actions()) file << (item->isSeparator() ? QStringLiteral("-") : item->objectName());
  EXPECT_EQ(file.join(QLatin1Char(' ')), QStringLiteral("mnNew mnOpen mnSave mnSaveAt - mnAppendLoad - mnImport - mnQuit"));
  const std::tuple<const char*, const char*, const char*, bool> items[] = {
      {"mnSave", "保存(&S)", "Ctrl+S", true},          {"mnUndo", "元に戻す(&U)", "Ctrl+Z", false},
      {"mnDelete", "削除(&K)", "Shift+Del", true},     {"mnPropRange", "選択部分のﾌﾟﾛﾊﾟﾃｨ(&R)...", "Ctrl+E", true},
      {"mnInsertFrom", "音リストを表示(&L)...", "Ctrl+F", true}, {"mnPlayAgain", "もう一度再生(&R)", "Shift+F5", true},
      {"mnStopTemp", "停止(&O)", "F7", true},          {"mnHightSmall", "縦幅（小)(&S)", "", true},
      {"mnMCIPlay", "聞く(&P)", "", true},              {"mnProjSetting", "プロジェクトのプロパティ(&R)", "", true},
      {"mnOptions", "オプション(&O)...", "", true},      {"mnToneProp", "プロパティ", "", true},
      {"mnReleaseSelect", "選択解除", "", true},         {"mnVersion", "バージョン(&V)...", "", true}};
  for (auto [name, caption, shortcut, enabled] : items) {
    QAction* item = action(name);
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->text(), QString::fromUtf8(caption)) << name;
    EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromUtf8(shortcut))) << name;
    EXPECT_EQ(item->isEnabled(), enabled) << name;
  }
  EXPECT_EQ(m_window.menus().notePopup->title(), QStringLiteral("テスト"));
  EXPECT_EQ(m_window.menus().rollPopup->actions().size(), 5);
}

TEST_F(WindowTest, LabelsTempoBoxAndZoom) {
  loadSong({{"あ", 1920, 36, ""}, {"R", 960, 36, ""}, {"か", 1920, 38, "\t\t\t\t\ttempo=60.00"}});
  LabelInfo first = m_window.roll()->labelAt(0);
  EXPECT_TRUE(first.visible);
  EXPECT_EQ(first.geometry, QRect(104, 168, 65, 15));  // 975 x 225 twips at (1560, 12 rows down)
  EXPECT_EQ(first.background, QColor(0, 192, 255));
  EXPECT_EQ(first.caption, QStringLiteral("あ"));
  EXPECT_EQ(m_window.roll()->labelAt(1).background, QColor(255, 255, 255));
  EXPECT_EQ(m_window.roll()->labelAt(2).tag, QStringLiteral("60"));

  auto* tempo = find<QLineEdit>("txtTempo");
  for (const char* text : {"abc", "0"}) {
    tempo->setText(QString::fromUtf8(text));
    EXPECT_EQ(find<QLabel>("Panel1")->text(), QStringLiteral("2.000000 sec")) << text;
  }
  EXPECT_TRUE(m_window.session().song().modified);

  for (int i = 0; i < 3; ++i) action("mnZoomIn")->trigger();
  EXPECT_EQ(m_window.roll()->view().zoom, 1);
  EXPECT_FALSE(find<QPushButton>("cmdZoomIn")->isEnabled());
  EXPECT_EQ(m_window.roll()->labelAt(0).geometry.width(), 129);
  action("mnHeightLarge")->trigger();
  EXPECT_FALSE(action("mnHeightMid")->isChecked());
  EXPECT_EQ(m_window.roll()->labelAt(0).geometry.height(), 17);
  find<QScrollBar>("HScroll1")->setValue(5);
  EXPECT_EQ(m_window.roll()->view().hPos, 5);
  EXPECT_FALSE(m_window.roll()->labelAt(0).visible);
}

TEST_F(WindowTest, CloseAsksAndKeepsTheWindowOnCancel) {
  loadSong({{"あ", 1920, 36, ""}});
  m_window.session().song().modified = true;
  m_prompts.answers = {Answer::Cancel, Answer::Yes};
  m_files.paths = {std::nullopt};
  EXPECT_FALSE(m_window.close());
  EXPECT_FALSE(m_window.close());  // Yes, then Save As cancelled
  EXPECT_TRUE(m_window.isVisible());
  EXPECT_FALSE(std::filesystem::exists(m_dir / "setting.ini"));
  m_prompts.answers = {Answer::Yes};
  m_files.paths = {m_dir / "song"};
  EXPECT_TRUE(m_window.close());
  EXPECT_TRUE(std::filesystem::exists(m_dir / "song_helper.bat"));
  EXPECT_TRUE(std::filesystem::exists(m_dir / "setting.ini"));
  EXPECT_EQ(m_window.windowTitle(), QStringLiteral("新規プロジェクト (song.bat) - ＲＵＶＯ"));
}

TEST_F(WindowTest, HistoryItemsOpenAndForgetMissingFiles) {
  loadSong({{"あ", 1920, 36, ""}});
  m_window.session().song().modified = true;
  m_files.paths = {m_dir / "one", m_dir / "two"};
  action("mnSaveAt")->trigger();
  action("mnSaveAt")->trigger();
  auto captions = [this] {
    QStringList list;
    for (QAction* item : m_window.menus().history)
      if (!item->isSeparator()) list << item->text();
    return list;
  };
  EXPECT_EQ(captions(), (QStringList{QString::fromStdString(m_dir / "two.bat"), QString::fromStdString(m_dir / "one.bat")}));
  std::filesystem::remove(m_dir / "one.bat");
  m_window.menus().history.back()->trigger();
  EXPECT_EQ(captions(), QStringList{QString::fromStdString(m_dir / "two.bat")});
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_EQ(m_prompts.messages[0], kMissingHistoryText);
}

TEST_F(WindowTest, ImportChoosesTheTrackInTheDialog) {
  Song source;
  source.notes = {{"あ", 1920, 36, ""}, {"い", 960, 38, ""}};
  source.noteCount = 2;
  std::string bytes = buildSequenceMidi(source, MidiWriteInput{});
  bytes += midiTrackChunk(std::string("\x00\xFF\x2F\x00", 4));
  bytes[11] = 3;
  ASSERT_TRUE(writeFileBytes(m_dir / "three.mid", bytes));
  m_files.paths = {m_dir / "three.mid"};
  whenDialogOpens(QStringLiteral("frmSelectTrack"), [](QWidget* dialog) {
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
    ASSERT_EQ(list->count(), 3);
    list->setCurrentRow(1);
    dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
  });
  action("mnImport")->trigger();
  EXPECT_EQ(m_window.session().song().noteCount, 2);
  EXPECT_EQ(m_window.windowTitle(), QStringLiteral("three - ＲＵＶＯ"));
  EXPECT_TRUE(m_window.roll()->labelAt(1).visible);
  EXPECT_EQ(m_window.roll()->labelAt(1).caption, QStringLiteral("い"));
}

TEST_F(WindowTest, NewProjectThroughForm3) {
  whenDialogOpens(QStringLiteral("Form3"), [](QWidget* dialog) {
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("txtOutputWavName"))->text(), QStringLiteral("newfile.wav"));
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("cmdDeleteCache"))->isEnabled());
    dialog->findChild<QLineEdit*>(QStringLiteral("txtProjectName"))->setText(QStringLiteral("うた"));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtOutputWavName"))->setText(QStringLiteral("mix"));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtFlags"))->setText(QStringLiteral("B50 ; \"N"));
    dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
  });
  action("mnNew")->trigger();
  const Song& song = m_window.session().song();
  EXPECT_EQ(song.outputFile, "mix.wav");
  EXPECT_EQ(song.projectFlags, "B50N");
  EXPECT_EQ(m_window.windowTitle(), QStringLiteral("うた - ＲＵＶＯ"));
}
