// The editor window on the offscreen platform, found by object names, with
// file choosers and message boxes answered from scripts and the real
// track-selection and project dialogs driven by their buttons.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include "core/text_file.h"
#include "editor/session_texts.h"
#include "gui/editor/main_window.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/qt_project_dialogs.h"
#include "gui/common/twips.h"
#include "gui/editor/window_place.h"
#include "gui/common/qt_file_chooser.h"
#include "interchange/midi_bytes.h"
#include "interchange/sequence_writer.h"
#include "support/temp_folder.h"
#include "../support/modal_dialogs.h"
#include "../support/window_fixture.h"
#include "../support/find_child.h"

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
    return child<T>(m_window, name);
  }
  // A sequence file of three tracks (the second sings two notes, the others
  // none), chosen by the next file dialog.
  void chooseThreeTrackMidi() {
    Song source;
    source.notes = {{"あ", 1920, 36, ""}, {"い", 960, 38, ""}};
    source.noteCount = 2;
    std::string bytes = buildSequenceMidi(source, MidiWriteInput{});
    bytes += midiTrackChunk(std::string("\x00\xFF\x2F\x00", 4));
    bytes[11] = 3;
    ASSERT_TRUE(writeFileBytes(m_dir / "three.mid", bytes));
    m_files.paths = {m_dir / "three.mid"};
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

// An opened song shows its first sung notes, wherever they lie; labels of
// notes scrolled past the roll's left edge stay off the keys.
TEST_F(WindowTest, AnOpenedSongShowsItsFirstNotesAndLabelsStayOffTheKeys) {
  struct Case {
    int key;
    int leadingRest;  // ticks
  };
  const Case cases[] = {{36, 0}, {75, 0}, {2, 0}, {60, 16 * 1920}};
  for (const Case& c : cases) {
    loadSong({{"R", c.leadingRest > 0 ? c.leadingRest : 480, 36, ""}, {"あ", 1920, c.key, ""}, {"い", 1920, c.key + 3, ""}});
    song().modified = true;
    ASSERT_TRUE(m_window.session().saveAsPath(m_dir / "opening.bat"));
    m_window.session().clear();
    ASSERT_TRUE(m_window.session().openPath(m_dir / "opening.bat"));
    for (int i : {1, 2}) {
      const LabelInfo label = m_window.roll()->labelAt(i);
      EXPECT_TRUE(label.visible && m_window.roll()->rect().contains(label.geometry)) << c.key << " " << i;
      EXPECT_GE(label.geometry.left(), 104) << c.key << " " << i;
    }
  }

  loadSong({{"あ", 8 * 1920, 36, ""}});
  find<QScrollBar>("VScroll1")->setValue(30);
  find<QScrollBar>("HScroll1")->setValue(2);
  const LabelInfo label = m_window.roll()->labelAt(0);
  ASSERT_LT(label.geometry.left(), 104);
  const QImage picture = m_window.roll()->grab().toImage();
  const int y = label.geometry.center().y();
  EXPECT_NE(picture.pixelColor(60, y), label.background);
  EXPECT_EQ(picture.pixelColor(200, y), label.background);
  QTest::mouseClick(m_window.roll(), Qt::LeftButton, {}, QPoint(60, y));
  EXPECT_EQ(song().selFirst, song().noteCount);  // the keys are no label
}

// The window's size and position come back from the preferences.
TEST_F(WindowTest, TheWindowPlaceIsRememberedAcrossRuns) {
  QSettings store(QString::fromStdString(m_dir / "place.ini"), QSettings::IniFormat);
  m_window.setGeometry(40, 50, 700, 500);
  storeWindowPlace(m_window, store);
  m_window.setGeometry(0, 0, 900, 600);
  restoreWindowPlace(m_window, store);
  EXPECT_EQ(m_window.geometry().size(), QSize(700, 500));
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

// One file is one history entry, by its absolute canonical path, however it
// was named; a file that is no project is named so and stays out. Save As
// starts in the project's folder, and an output name that came from the old
// name follows the new one.
TEST_F(WindowTest, HistoryKeepsCanonicalPathsAndSaveAsFollowsTheProject) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::weakly_canonical(fs::path(m_dir.path()));
  fs::create_directories(dir / "sub");
  const fs::path startedIn = fs::current_path();
  fs::current_path(dir / "sub");
  struct Case {
    std::string chosen;  // the name Save As is given
    std::string output;  // the output name before
    std::string outputAfter;
    std::string entry;  // the newest history entry after
  };
  const Case cases[] = {{"../song", "newfile.wav", "song.wav", dir / "song.bat"},
                        {(dir / "sub/../song.bat").string(), "song.wav", "song.wav", dir / "song.bat"},
                        {"./other", "song.wav", "other.wav", dir / "sub/other.bat"},
                        {(dir / "song").string(), "mix.wav", "mix.wav", dir / "song.bat"}};
  loadSong({{"あ", 1920, 36, ""}});
  for (const Case& c : cases) {
    song().outputFile = c.output;
    song().modified = true;
    m_files.paths = {c.chosen};
    action("mnSaveAt")->trigger();
    EXPECT_EQ(song().outputFile, c.outputAfter) << c.chosen;
    ASSERT_FALSE(m_settings.settings.History.empty());
    EXPECT_EQ(m_settings.settings.History.front(), c.entry) << c.chosen;
  }
  EXPECT_EQ(m_settings.settings.History.size(), 2u);
  m_files.paths = {std::nullopt};
  action("mnSaveAt")->trigger();
  EXPECT_EQ(m_files.requests.back().folder, dir.string());

  ASSERT_TRUE(writeFileBytes(dir / "notes.txt", "just some words\r\n"));
  m_files.paths = {(dir / "notes.txt").string()};
  action("mnOpen")->trigger();
  fs::current_path(startedIn);
  ASSERT_FALSE(m_prompts.messages.empty());
  EXPECT_EQ(m_prompts.messages.back(), std::string(kNotAProjectText) + "\n" + (dir / "notes.txt").string());
  EXPECT_EQ(m_settings.settings.History.size(), 2u);
  EXPECT_EQ(song().noteCount, 1);
}

// The track choice preselects the first track with sung notes and names a
// chosen track that has none.
TEST_F(WindowTest, TheTrackChoicePreselectsATrackWithNotes) {
  chooseThreeTrackMidi();
  whenDialogOpens(QStringLiteral("frmSelectTrack"), [](QWidget* dialog) {
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1"));
    auto* note = dialog->findChild<QLabel*>(QStringLiteral("lblTrackNotes"));
    EXPECT_EQ(list->currentRow(), 1);
    const std::pair<int, const char*> rows[] = {{1, ""}, {2, "このトラックにはノートがありません。"}, {0, "このトラックにはノートがありません。"}, {1, ""}};
    for (auto [row, text] : rows) {
      list->setCurrentRow(row);
      EXPECT_EQ(note->text(), QString::fromUtf8(text)) << row;
    }
    QTest::keyClick(list, Qt::Key_Return);
  });
  action("mnImport")->trigger();
  EXPECT_EQ(song().noteCount, 2);
}

TEST_F(WindowTest, ImportChoosesTheTrackInTheDialog) {
  chooseThreeTrackMidi();
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

TEST_F(WindowTest, TheKeysActOnTheNotesFromTheStart) {
  loadSong({Note{"あ", 1920, 36, ""}, Note{"い", 1920, 38, ""}});
  m_window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
  EXPECT_EQ(QApplication::focusWidget(), m_window.roll());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(find<QLineEdit>("txtTempo")->text(), QStringLiteral("120.0"));
  EXPECT_EQ(std::min(song().selFirst, song().selLast), 0);
  EXPECT_EQ(std::max(song().selFirst, song().selLast), 1);
}

// Redo takes back one undo step by Ctrl+Y, Ctrl+Shift+Z or its item; a new
// edit clears it.
TEST_F(WindowTest, RedoTakesBackAnUndoByEitherKeyOrItsItem) {
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"Ctrl+Y", [this] { QTest::keyClick(m_window.roll(), Qt::Key_Y, Qt::ControlModifier); }},
      {"Ctrl+Shift+Z", [this] { QTest::keyClick(m_window.roll(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }},
      {"mnRedo", [this] { action("mnRedo")->trigger(); }}};
  m_window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
  for (const auto& [way, redo] : ways) {
    loadSong({Note{"あ", 1920, 36, ""}, Note{"い", 1920, 38, ""}});
    m_window.edits().journal().reset();
    song().selFirst = song().selLast = 0;
    QTest::keyClick(m_window.roll(), Qt::Key_Delete);
    QTest::keyClick(m_window.roll(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(song().noteCount, 2) << way;
    EXPECT_TRUE(action("mnRedo")->isEnabled()) << way;
    EXPECT_EQ(action("mnRedo")->text(), QStringLiteral("ノートの削除をやり直し(&R)")) << way;
    redo();
    EXPECT_EQ(song().noteCount, 1) << way;
    EXPECT_EQ(song()[0].lyric, "い") << way;
    EXPECT_FALSE(action("mnRedo")->isEnabled()) << way;
    EXPECT_EQ(action("mnUndo")->text(), QStringLiteral("ノートの削除を元に戻す(&U)")) << way;
  }
  QTest::keyClick(m_window.roll(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(m_window.roll(), Qt::Key_R, Qt::ControlModifier);  // a new edit
  EXPECT_FALSE(action("mnRedo")->isEnabled());
  EXPECT_EQ(action("mnRedo")->text(), QStringLiteral("やり直し(&R)"));
}

// The transport buttons show icons, name their command and its key, are
// enabled exactly when their menu item is, and run it.
TEST_F(WindowTest, TransportButtonsFollowTheirMenuItems) {
  const std::tuple<const char*, const char*, const char*> buttons[] = {
      {"lblPlay", "mnPlayTemp", "選択部分を再生 (F5)"}, {"lblPause", "mnPauseTemp", "一時停止 (F6)"}, {"lblStop", "mnStopTemp", "停止 (F7)"}};
  for (auto [name, item, tip] : buttons) {
    auto* button = find<QToolButton>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_FALSE(button->icon().isNull()) << name;
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(tip)) << name;
    EXPECT_TRUE(button->isEnabled()) << name;
    action(item)->setEnabled(false);
    EXPECT_FALSE(button->isEnabled()) << name;
    action(item)->setEnabled(true);
    EXPECT_TRUE(button->isEnabled()) << name;
    if (std::string_view(item) == "mnPlayTemp") continue;  // playing would render
    QSignalSpy ran(action(item), &QAction::triggered);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(ran.count(), 1) << name;
  }
}

TEST_F(WindowTest, TheWheelScrollsAndZoomsTheRollAndDeleteDeletes) {
  std::vector<Note> notes(64, Note{"あ", 1920, 36, ""});
  loadSong(notes);
  auto* h = find<QScrollBar>("HScroll1");
  auto* v = find<QScrollBar>("VScroll1");
  h->setValue(10);
  const QPoint at(m_window.roll()->width() / 2, 40);
  auto wheel = [&](int notches, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(at, m_window.roll()->mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_window.roll(), &event);
  };
  // Zooming in from 2 to 1 tick a twip keeps the beat under the pointer
  // there: the roll scrolls by half the beats between its start and x.
  const int shift = qRound((toTwips(at.x()) - kKeyboardWidth) / static_cast<double>(kTicksPerBeat));
  const struct {
    int notches;
    Qt::KeyboardModifiers modifiers;
    int h, v, zoom;
  } cases[] = {
      {-1, Qt::NoModifier, 10, 39, 2},  // down three rows
      {1, Qt::NoModifier, 10, 36, 2},
      {-2, Qt::ShiftModifier, 12, 36, 2},  // sideways two beats
      {1, Qt::ControlModifier, 12 + shift, 36, 1},
      {-1, Qt::ControlModifier, 12, 36, 2},
  };
  for (const auto& c : cases) {
    wheel(c.notches, c.modifiers);
    EXPECT_EQ(h->value(), c.h) << c.notches << " " << c.modifiers;
    EXPECT_EQ(v->value(), c.v) << c.notches << " " << c.modifiers;
    EXPECT_EQ(m_window.roll()->view().zoom, c.zoom) << c.notches << " " << c.modifiers;
  }
  song().selFirst = song().selLast = 3;
  m_window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
  QTest::keyClick(m_window.roll(), Qt::Key_Delete);
  EXPECT_EQ(song().noteCount, 63);
}

TEST_F(WindowTest, CommandsThatFailUnexpectedlySaySo) {
  // The scripted file chooser throws when it has no answer.
  const std::pair<const char*, const char*> commands[] = {
      {"mnOpen", "openFile"}, {"mnSaveAt", "saveFile"}, {"mnAppendLoad", "openFile"}, {"mnImport", "openFile"}};
  for (auto [command, asked] : commands) {
    m_prompts.messages.clear();
    action(command)->trigger();
    ASSERT_EQ(m_prompts.messages.size(), 1u) << command;
    EXPECT_EQ(m_prompts.messages[0], std::string("no scripted answer for ") + asked);
    EXPECT_EQ(m_prompts.titles.back(), "予期せぬエラー");
    EXPECT_EQ(m_prompts.icons.back(), MessageIcon::Critical);
  }
}

TEST_F(WindowTest, TheTempoBoxKeepsAPlayableTempo) {
  auto* tempo = find<QLineEdit>("txtTempo");
  const struct {
    const char* typed;
    const char* shown;  // after Enter
    bool told;
  } cases[] = {
      {"0", "120.0", true}, {"", "120.0", true}, {"abc", "120.0", true}, {"96", "96", false}, {"-3", "96", true},
  };
  for (const auto& c : cases) {
    m_prompts.messages.clear();
    tempo->setFocus();
    tempo->setText(QString::fromUtf8(c.typed));
    QTest::keyClick(tempo, Qt::Key_Return);
    EXPECT_EQ(tempo->text(), QString::fromUtf8(c.shown)) << c.typed;
    EXPECT_EQ(m_window.session().song().tempoText, c.shown) << c.typed;
    EXPECT_EQ(m_prompts.messages.size(), c.told ? 1u : 0u) << c.typed;
    if (c.told) {
      EXPECT_EQ(m_prompts.messages[0],
                "テンポ「" + std::string(c.typed) + "」は使えません。1から10000までの数を入力してください。");
    }
    EXPECT_FALSE(find<QLabel>("Panel1")->text().contains(QStringLiteral("inf")));
  }
}

// A name typed without its extension gets the chosen filter's inside the
// dialog, so its question about replacing a file sees the real name.
TEST(SaveDialog, AddsTheChosenFiltersExtensionBeforeItAsksToReplace) {
  TempFolder dir("ruvo_save_dialog");
  ASSERT_TRUE(writeFileBytes(dir / "old.wsq", "kept"));
  const struct {
    int filter;
    const char* typed;
    std::optional<std::string> chosen;  // nothing: the replace question was answered No
  } cases[] = {
      {0, "song", dir / "song.bat"},
      {1, "song", dir / "song.wsq"},
      {2, "song", dir / "song.bat"},
      {1, "song.bat", dir / "song.bat"},
      {1, "old", std::nullopt},
  };
  QWidget owner;
  QtFileChooser chooser(&owner);
  for (const auto& c : cases) {
    QString asked;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      types->setCurrentIndex(c.filter);
      emit types->activated(c.filter);  // as a choice with the mouse or keys
      emit types->textActivated(types->itemText(c.filter));
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QString::fromUtf8(c.typed));
      QTimer::singleShot(0, [&, dialog] {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!question) return;
        asked = question->text();
        question->button(QMessageBox::No)->click();
        QTimer::singleShot(0, dialog, &QDialog::reject);
      });
      QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    });
    FileDialogRequest request;
    request.filter = std::string(kProjectFilter);
    request.folder = dir.path();
    EXPECT_EQ(chooser.saveFile(request), c.chosen) << c.typed;
    EXPECT_EQ(asked.contains(QStringLiteral("old.wsq")), !c.chosen) << asked.toStdString();
  }
  EXPECT_EQ(readFileBytes(dir / "old.wsq").value_or(""), "kept");
}
