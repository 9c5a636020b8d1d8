// The editing commands in the window: the lyric line and its buttons, the
// inline lyric box, the text-box rule of the clipboard keys, the menu and
// popup items, and the two settings dialogs of the menus. Real widgets on
// the offscreen platform, found by object names; keys and clicks by QTest.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "core/text_file.h"
#include "gui/editor/edit_controller.h"
#include "gui/editor/main_window.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/qt_project_dialogs.h"
#include "settings/entered_tools.h"
#include "settings/trusted_programs.h"
#include "support/temp_folder.h"
#include "../support/window_fixture.h"
#include "../support/modal_dialogs.h"
#include "../support/find_child.h"

using namespace ruvo;
using namespace ruvo::gui;
using namespace ruvo::testing;

namespace {

// Kana arrive as the input method commits them.
void typeKana(QWidget* box, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QApplication::sendEvent(box, &event);
}

class EditingWindowTest : public ::testing::Test, protected WindowFixture {
 protected:
  EditingWindowTest() : WindowFixture("ruvo_editing") {
    m_window.resize(900, 600);
    m_window.show();
    QApplication::setActiveWindow(&m_window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
  }

  template <typename W>
  W* find(const char* name) {
    return child<W>(&m_window, name);
  }
  // What the screen shows of the roll is what a full repaint draws: an edit
  // that repaints too little leaves old labels behind.
  void expectRollOnScreenUpToDate() {
    QApplication::processEvents();
    PianoRollView* roll = m_window.roll();
    const QPoint at = roll->mapTo(&m_window, QPoint(0, 0));
    const QImage shown =
        m_window.screen()->grabWindow(m_window.winId(), at.x(), at.y(), roll->width(), roll->height()).toImage();
    const QImage full = roll->grab().toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), full.convertToFormat(QImage::Format_RGB32));
  }
  std::vector<std::string> lyrics() {
    std::vector<std::string> list;
    for (int i = 0; i < song().noteCount; ++i) list.push_back(song()[i].lyric);
    return list;
  }
};

}  // namespace

TEST_F(EditingWindowTest, APhraseTypedIntoTheLyricLineIsInsertedAndCtrlZTakesItBack) {
  loadSong({{"R", 1920, 36, ""}});
  song().selFirst = song().selLast = 0;
  auto* line = find<QLineEdit>("Text2");
  line->setFocus();
  QTest::keyClicks(line, QStringLiteral("/L8/A4"));
  typeKana(line, QStringLiteral("あきゃ"));
  QTest::keyClicks(line, QStringLiteral("\"ka\""));
  QTest::mouseClick(find<QPushButton>("cmdLyricIns"), Qt::LeftButton);

  EXPECT_EQ(lyrics(), (std::vector<std::string>{"あ", "きゃ", "ka", "R"}));
  EXPECT_EQ(song()[1].length, 960);
  EXPECT_EQ(song()[1].noteNumber, 45);
  EXPECT_EQ(m_window.roll()->labelAt(1).caption, QStringLiteral("きゃ"));
  EXPECT_EQ(action("mnUndo")->text(), QStringLiteral("挿入を元に戻す(&U)"));
  EXPECT_TRUE(song().modified);
  EXPECT_EQ(line->text(), QStringLiteral("/L8/A4あきゃ\"ka\""));  // the phrase stays

  // Ctrl+Z undoes the song's edit even while the lyric line has the focus.
  QTest::keyClick(line, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(lyrics(), std::vector<std::string>{"R"});
  EXPECT_FALSE(action("mnUndo")->isEnabled());
  EXPECT_EQ(m_window.roll()->labelAt(0).caption, QStringLiteral("R"));

  // Replace gives the lyrics to the selected notes that are not rests.
  loadSong({{"あ", 480, 36, ""}, {"R", 480, 36, ""}, {"い", 480, 36, ""}});
  song().selFirst = 0;
  song().selLast = 2;
  line->setText(QStringLiteral("かき"));
  QTest::mouseClick(find<QPushButton>("cmdLyricRepl"), Qt::LeftButton);
  EXPECT_EQ(lyrics(), (std::vector<std::string>{"か", "R", "き"}));
  EXPECT_EQ(action("mnUndo")->text(), QStringLiteral("歌詞の置換えを元に戻す(&U)"));
}

TEST_F(EditingWindowTest, DoubleClickOnTheLyricLineEditsThePhraseOneWordPerLine) {
  auto* line = find<QLineEdit>("Text2");
  line->setText(QStringLiteral("あ い"));
  whenDialogOpens(QStringLiteral("frmEditBox"), [](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("テキスト入力"));
    auto* text = child<QPlainTextEdit>(dialog, "txtPhrase");
    EXPECT_EQ(text->toPlainText(), QStringLiteral("あ\nい"));
    text->setPlainText(QStringLiteral("か\nき\nく"));
    dialog->close();  // however it closes, the text is taken
  });
  QTest::mouseDClick(line, Qt::LeftButton);
  EXPECT_EQ(line->text(), QStringLiteral("か き く"));
}

TEST_F(EditingWindowTest, TheTextWindowsButtonsTakeOrKeepThePhrase) {
  auto* line = find<QLineEdit>("Text2");
  for (auto [button, expected] : {std::pair{"OKButton", "か き"}, std::pair{"CancelButton", "あ い"}}) {
    line->setText(QStringLiteral("あ い"));
    whenDialogOpens(QStringLiteral("frmEditBox"), [button = button](QWidget* dialog) {
      child<QPlainTextEdit>(dialog, "txtPhrase")->setPlainText(QStringLiteral("か\nき"));
      child<QPushButton>(dialog, button)->click();
    });
    QTest::mouseDClick(line, Qt::LeftButton);
    EXPECT_EQ(line->text(), QString::fromUtf8(expected)) << button;
  }
}

TEST_F(EditingWindowTest, TheLyricBoxChangesOneLyricPerUndoStep) {
  m_window.session().tables().oto = OtoTable::fromLines({"ka.wav=か,10,20,30,44,5"});
  loadSong({{"あ", 1920, 36, "12\t\t\t\t\t"}, {"い", 1920, 38, "12\t\t\t\t\t"}});
  m_editor.editing().openLyricBox(1);
  auto* box = find<QLineEdit>("Text1");
  ASSERT_TRUE(box->isVisible());
  EXPECT_TRUE(box->hasFocus());
  EXPECT_EQ(box->text(), QStringLiteral("い"));
  EXPECT_EQ(box->geometry().topLeft(), m_window.roll()->labelAt(1).geometry.topLeft());
  EXPECT_EQ(song().selFirst, 1);

  // Enter: the lyric goes through the alias table (its pre-utterance follows).
  box->clear();
  typeKana(box, QStringLiteral("か"));
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_FALSE(box->isVisible());
  EXPECT_EQ(song()[1].lyric, "か");
  EXPECT_EQ(song()[1].props, "44\t\t\t\t\t");
  EXPECT_EQ(action("mnUndo")->text(), QStringLiteral("歌詞の変更を元に戻す(&U)"));
  EXPECT_EQ(m_window.edits().journal().size(), 1u);

  // Losing the focus to the roll: the text is stored as typed, once.
  m_editor.editing().openLyricBox(0);
  box->clear();
  typeKana(box, QStringLiteral("か"));
  m_window.roll()->setFocus(Qt::MouseFocusReason);
  EXPECT_FALSE(box->isVisible());
  EXPECT_EQ(song()[0].lyric, "か");
  EXPECT_EQ(song()[0].props, "12\t\t\t\t\t");
  EXPECT_EQ(m_window.edits().journal().size(), 2u);

  // Unchanged text records nothing; undo restores the earlier lyric.
  m_editor.editing().openLyricBox(0);
  QTest::keyClick(box, Qt::Key_Enter);
  EXPECT_EQ(m_window.edits().journal().size(), 2u);
  action("mnUndo")->trigger();
  action("mnUndo")->trigger();
  EXPECT_EQ(lyrics(), (std::vector<std::string>{"あ", "い"}));
  EXPECT_EQ(song()[1].props, "12\t\t\t\t\t");

  // A box left open while the song is replaced stores nothing in the new song.
  m_editor.editing().openLyricBox(0);
  box->setText(QStringLiteral("か"));
  m_window.session().clear();
  loadSong({{"さ", 1920, 36, "\t\t\t\t\t"}});
  EXPECT_FALSE(box->isVisible());
  QTest::keyClick(box, Qt::Key_Return);
  m_window.roll()->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(lyrics(), std::vector<std::string>{"さ"});
  EXPECT_EQ(m_window.edits().journal().size(), 0u);
}

TEST_F(EditingWindowTest, ClipboardKeysAndItemsGoToAFocusedTextBox) {
  loadSong({{"あ", 480, 36, ""}, {"R", 480, 36, ""}, {"ka", 480, 36, ""}});
  song().selFirst = 0;
  song().selLast = 2;
  QClipboard* clipboard = QGuiApplication::clipboard();
  auto* line = find<QLineEdit>("Text2");
  line->setText(QStringLiteral("あいう"));
  line->setFocus();
  line->setSelection(1, 2);
  QTest::keyClick(line, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("いう"));
  EXPECT_TRUE(m_window.edits().clipboard().notes.empty());

  // The menu item does the same while the box has the focus.
  line->setSelection(0, 1);
  action("mnCopy")->trigger();
  EXPECT_EQ(clipboard->text(), QStringLiteral("あ"));
  action("mnPaste")->trigger();
  EXPECT_EQ(line->text(), QStringLiteral("あいう"));  // "あ" pasted over "あ"
  EXPECT_EQ(song().noteCount, 3);

  auto* tempo = find<QLineEdit>("txtTempo");
  tempo->setFocus();
  QTest::keyClick(tempo, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(tempo->selectedText(), QStringLiteral("120.0"));
  action("mnCut")->trigger();
  EXPECT_EQ(tempo->text(), QString());
  EXPECT_EQ(song().noteCount, 3);
  EXPECT_EQ(song().selLast, 2);

  // With the roll focused the same keys act on the notes.
  m_window.roll()->setFocus();
  QTest::keyClick(m_window.roll(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("あ \"ka\""));
  EXPECT_EQ(m_window.edits().clipboard().notes.size(), 3u);
  QTest::keyClick(m_window.roll(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(song().noteCount, 6);
  EXPECT_EQ(action("mnUndo")->text(), QStringLiteral("ノートの貼付けを元に戻す(&U)"));
}

TEST_F(EditingWindowTest, MenuAndPopupItemsRunTheirCommands) {
  loadSong({{"あ", 480, 40, ""}, {"い", 480, 41, ""}});
  m_prompts.inputs = {"3", "さ"};
  const std::pair<const char*, std::function<void()>> steps[] = {
      {"mnSelectAll2", [&] { EXPECT_EQ(song().selLast, 1); }},
      {"mnMoveUp", [&] { EXPECT_EQ(song()[1].noteNumber, 42); }},
      {"mnMoveNote", [&] { EXPECT_EQ(song()[0].noteNumber, 44); }},  // by the 3 typed
      {"mnMoveDown", [&] { EXPECT_EQ(song()[0].noteNumber, 43); }},
      {"mnNoteMerge", [&] { EXPECT_EQ(lyrics(), std::vector<std::string>{"あい"}); }},
      {"mnReleaseSelect", [&] { EXPECT_EQ(song().selFirst, 1); }},
      {"mnToneIns",
       [&] {
         EXPECT_EQ(lyrics(), (std::vector<std::string>{"あい", "さ"}));
       }},
      {"mnInsert",
       [&] {
         EXPECT_EQ(lyrics(), (std::vector<std::string>{"あい", "R", "さ"}));
         EXPECT_EQ(song()[1].length, 960);  // the length chooser's "L8"
       }},
      {"mnSelectAll", [&] { EXPECT_EQ(song().selFirst, 0); }},
      {"mnToneCut", [&] { EXPECT_EQ(song().noteCount, 0); }},
      {"mnTonePaste", [&] { EXPECT_EQ(song().noteCount, 3); }},
      {"mnToneDel", [&] { EXPECT_EQ(song().noteCount, 0); }},
      {"mnUndo",
       [&] {
         EXPECT_EQ(lyrics(), (std::vector<std::string>{"あい", "R", "さ"}));
       }},
  };
  m_window.roll()->setFocus();
  find<QComboBox>("Combo1")->setCurrentIndex(4);
  for (const auto& [name, check] : steps) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(action(name)->isEnabled());
    action(name)->trigger();
    check();
    expectRollOnScreenUpToDate();
  }
  EXPECT_EQ(m_window.roll()->labelAt(2).caption, QStringLiteral("さ"));
}

TEST_F(EditingWindowTest, OptionsOpenFromTheMenuAndTrustTheToolPathTyped) {
  whenDialogOpens(QStringLiteral("frmOptions"), [](QWidget* dialog) {
    child<QLineEdit>(dialog, "txtTool2Path")->setText(QStringLiteral("/opt/mine/resampler"));
    child<QPushButton>(dialog, "cmdOK")->click();
  });
  action("mnOptions")->trigger();
  EXPECT_EQ(m_window.session().settings().Tool2Path, "/opt/mine/resampler");
  const std::string trustFile = TrustedPrograms::fileBeside(m_settings.folders.settingsFile);
  EXPECT_EQ(TrustedPrograms::load(trustFile)->programs(), std::set<std::string>{"/opt/mine/resampler"});

  // A damaged list is reported and left as it was.
  ASSERT_TRUE(writeFileBytes(trustFile, "junk\n"));
  whenDialogOpens(QStringLiteral("frmOptions"), [](QWidget* dialog) {
    child<QLineEdit>(dialog, "txtTool1Path")->setText(QStringLiteral("/opt/mine/splicer"));
    child<QPushButton>(dialog, "cmdOK")->click();
  });
  action("mnOptions")->trigger();
  ASSERT_EQ(m_prompts.messages.size(), 1u);
  EXPECT_TRUE(m_prompts.messages[0].starts_with(kToolNotTrustedText));
  EXPECT_EQ(*readFileBytes(trustFile), "junk\n");
}

TEST_F(EditingWindowTest, ProjectPropertiesRenameTheProjectInTheTitle) {
  song().modified = false;
  whenDialogOpens(QStringLiteral("Form3"), [](QWidget* dialog) {
    auto* name = child<QLineEdit>(dialog, "txtProjectName");
    EXPECT_EQ(name->text(), QStringLiteral("新規プロジェクト"));
    name->setText(QStringLiteral("うた"));
    child<QPushButton>(dialog, "cmdOK")->click();
  });
  action("mnProjSetting")->trigger();
  EXPECT_EQ(m_window.windowTitle(), QStringLiteral("うた - ＲＵＶＯ"));
  EXPECT_TRUE(song().modified);
}
