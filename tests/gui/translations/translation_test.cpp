// The editor's texts in English and in Japanese: every visible text of the
// window and its dialogs has an English translation, the Japanese texts stay
// as they are written, and the shortcuts are the same in both.

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTabWidget>

#include "gui/editor/about_dialog.h"
#include "gui/editor/edit_box_dialog.h"
#include "gui/editor/editor_parts.h"
#include "gui/editor/select_track_dialog.h"
#include "gui/noteprops/note_property_dialog.h"
#include "gui/noteprops/pitch_curve_dialog.h"
#include "gui/render/show_running_window.h"
#include "gui/render/trust_tool_dialog.h"
#include "gui/settings/language_choice_view.h"
#include "gui/settings/options_dialog.h"
#include "gui/settings/project_properties_dialog.h"
#include "gui/translations/logic_text.h"
#include "gui/translations/translations.h"
#include "gui/voicebank/frequency_table_dialog.h"
#include "gui/voicebank/oto_settings_dialog.h"
#include "gui/voicebank/sample_editor_dialog.h"
#include "gui/voicebank/sound_list_window.h"
#include "render/tool_trust.h"
#include "settings/own_settings.h"
#include "../support/window_fixture.h"

namespace ruvo::testing {
namespace {

// Kana, CJK ideographs and punctuation, full- and half-width forms.
bool hasJapanese(const QString& text) {
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF)) return true;
  }
  return false;
}

// What a widget shows of its own: titles, captions, button texts, tab and
// list texts of fixed choices. Boxes the user types in (and the editable
// voice-folder box) hold data, as do list rows of voice banks.
void collect(QWidget* root, std::vector<std::pair<QString, QString>>& texts) {
  const auto add = [&texts](const QObject* from, const QString& text) {
    texts.emplace_back(from->objectName() + QStringLiteral(" (") + QString::fromLatin1(from->metaObject()->className()) +
                           QLatin1Char(')'),
                       text);
  };
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* w : widgets) {
    if (w->isWindow()) add(w, w->windowTitle());
    add(w, w->toolTip());
    if (auto* label = qobject_cast<QLabel*>(w)) add(w, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, button->text());
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) add(w, tabs->tabText(i));
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && !combo->isEditable())
      for (int i = 0; i < combo->count(); ++i) add(w, combo->itemText(i));
    for (QAction* action : w->actions()) add(action, action->text());
  }
}

class TranslationTest : public WindowFixture, public ::testing::Test {
 protected:
  TranslationTest() : WindowFixture("translation_test") {}
  ~TranslationTest() override { gui::installTranslations(*QCoreApplication::instance(), UiLanguage::Japanese); }

  // The menu bar's menus and every action of the window, by objectName.
  std::vector<std::pair<QString, QString>> menuTexts() {
    std::vector<std::pair<QString, QString>> texts;
    for (QMenu* menu : m_window.findChildren<QMenu*>()) {
      texts.emplace_back(menu->objectName(), menu->title());
      for (QAction* action : menu->actions())
        if (!action->isSeparator() && !action->menu()) texts.emplace_back(action->objectName(), action->text());
    }
    return texts;
  }
};

// Walks the window, its menus and every dialog built in English: no
// Japanese character is left. The window is built after the translator is
// installed, as ruvo does at start-up.
TEST_F(TranslationTest, EnglishLeavesNoJapaneseText) {
  ASSERT_TRUE(gui::installTranslations(*QCoreApplication::instance(), UiLanguage::English));
  ScriptedPrompts prompts;
  ScriptedFileChooser files;
  SessionSettings settings = freshSettings(m_dir);
  gui::QtProjectDialogs dialogs(nullptr, prompts, files, settings);
  gui::EditorParts windowParts(settings, SessionServices{prompts, files, dialogs});
  gui::MainWindow& window = windowParts.window();

  Settings plain;
  plain.PropExpandDetail = true;
  NoteSound sound;
  sound.recordingPath = "/voices/a.wav";
  PitchEditorInput pitch;
  pitch.lengthMs = 600;
  OwnSettings own;
  std::vector<std::unique_ptr<QWidget>> shown;
  shown.emplace_back(std::make_unique<gui::OptionsDialog>(nullptr, plain, own, "/prog", prompts, files));
  shown.emplace_back(std::make_unique<gui::ProjectPropertiesDialog>(
      nullptr, ProjectProperties{"p", "o.wav", "/v", "/t1", "/t2", "/c", ""}, plain, "/tmp", prompts, files));
  shown.emplace_back(std::make_unique<gui::NotePropertyDialog>(nullptr, PropertyValues{36, 1920, "x", "", 3}, sound,
                                                               plain, prompts));
  shown.emplace_back(std::make_unique<gui::NotePropertyDialog>(nullptr, PropertyValues{-1, -1, "*", "", -1}, sound,
                                                               plain, prompts));
  shown.emplace_back(std::make_unique<gui::PitchCurveDialog>(nullptr, PitchCurveForm(pitch, PitchEditorSound{})));
  shown.emplace_back(std::make_unique<gui::TrustToolDialog>(
      gui::logicText(untrustedToolMessage({"joiner", "j", "/bin/j"})), nullptr));
  shown.emplace_back(std::make_unique<gui::ShowRunningWindow>(nullptr));
  shown.emplace_back(std::make_unique<gui::SelectTrackDialog>(std::vector<std::string>{"1: Voice"}, std::vector<int>{0}, nullptr));
  shown.emplace_back(std::make_unique<gui::AboutDialog>(QString(), nullptr));
  shown.emplace_back(std::make_unique<gui::EditBoxDialog>(nullptr, QString()));
  shown.emplace_back(std::make_unique<gui::FrequencyTableDialog>(
      m_dir / "a.wav", gui::FrequencyTableServices{prompts, plain, m_dir.path(), ""}, nullptr));
  shown.emplace_back(std::make_unique<gui::OtoSettingsDialog>(
      nullptr, gui::OtoSettingsContext{m_dir.path(), "", "", m_dir.path(), false},
      gui::OtoSettingsServices{prompts, files, windowParts.media(), {}, {}}));
  shown.emplace_back(std::make_unique<gui::SampleEditorDialog>(nullptr, "a.wav", WaveSamples{}, SampleTimes{}));
  window.menus().action(QStringLiteral("mnInsertFrom"))->trigger();
  ASSERT_NE(window.findChild<gui::SoundListWindow*>(), nullptr);

  std::vector<std::pair<QString, QString>> texts;
  collect(&window, texts);
  for (QMenu* menu : window.findChildren<QMenu*>()) {
    texts.emplace_back(menu->objectName(), menu->title());
    collect(menu, texts);
  }
  for (auto& dialog : shown) collect(dialog.get(), texts);
  ASSERT_GT(texts.size(), 300u);
  for (const auto& [where, text] : texts) EXPECT_FALSE(hasJapanese(text)) << where.toStdString() << ": " << text.toStdString();
}

// Every text the logic hands the screen has an English translation, and the
// texts the logic fills in come through: paths and lyrics as they are,
// catalogue texts translated.
TEST_F(TranslationTest, LogicTextsInEnglish) {
  ASSERT_TRUE(gui::installTranslations(*QCoreApplication::instance(), UiLanguage::English));
  for (const char* source : gui::logicCatalogue()) {
    const QString english = QCoreApplication::translate("LogicText", source);
    EXPECT_NE(english, QString::fromUtf8(source)) << source;
    EXPECT_FALSE(hasJapanese(english)) << source;
  }
  const struct {
    const char* logic;
    const char* shown;
  } cases[] = {
      {"ノートの削除を元に戻す(&U)", "&Undo Delete Notes"},
      {"元に戻す(&U)", "&Undo"},
      {"/home/あ/歌.wavを作成しました。", "/home/あ/歌.wav has been created."},
      {"歌 - ＲＵＶＯ", "歌 - RUVO"},
      {"次のノートの音は作成されませんでした: 3「か」、7「き、く」 ほか12個",
       "No sound was made for these notes: 3 \"か\", 7 \"き、く\" and 12 more"},
      {"新規プロジェクト (a.bat) - ＲＵＶＯ", "New project (a.bat) - RUVO"},
      {"再生できません。\n「%2」は開かれていません。", "Cannot play.\n\"%2\" is not open."},
      {"このプロジェクトは次のプログラムを実行します（WAVの結合用）。\n/bin/j",
       "This project runs the following program (for joining the WAV).\n/bin/j"},
      {"長さ「0」は使えません。0.01から1000までの数を入力してください。",
       "Length \"0\" cannot be used. Enter a number from 0.01 to 1000."},
      {"範囲外の値を直しました:\nノート3「か」の長さ 99999 → 7680",
       "Values out of range were corrected:\nNote 3 \"か\": length 99999 → 7680"},
      {"次の中間ファイルを削除できませんでした:\n/c/1.wav\nほか2個",
       "These intermediate files could not be deleted:\n/c/1.wav\nand 2 more"},
      {"選択した3個の原音の周波数表を再作成します。", "Makes the frequency tables of the 3 selected recordings again."},
      {"ノートの削除", "ノートの削除"},
      {"歌詞を書く", "歌詞を書く"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(gui::logicText(std::string(c.logic)).toStdString(), c.shown) << c.logic;
}

// A Japanese desktop gets the menus as they have always read, and in both
// languages every action keeps its shortcut.
TEST_F(TranslationTest, JapaneseMenusUnchangedAndShortcutsShared) {
  const UiLanguage desktop = chooseUiLanguage(std::nullopt, std::nullopt, LocaleEnvironment{"", "", "ja_JP.UTF-8"});
  ASSERT_EQ(desktop, UiLanguage::Japanese);
  gui::installTranslations(*QCoreApplication::instance(), desktop);
  ScriptedPrompts prompts;
  ScriptedFileChooser files;
  SessionSettings settings = freshSettings(m_dir);
  gui::QtProjectDialogs dialogs(nullptr, prompts, files, settings);
  gui::EditorParts japaneseParts(settings, SessionServices{prompts, files, dialogs});
  gui::MainWindow& japanese = japaneseParts.window();
  std::vector<QString> titles;
  for (QAction* menu : japanese.menuBar()->actions()) titles.push_back(menu->text());
  EXPECT_EQ(titles, (std::vector<QString>{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                          QStringLiteral("表示(&V)"), QStringLiteral("プロジェクト(&P)"),
                                          QStringLiteral("再生(&P)"), QStringLiteral("ツール(&T)"),
                                          QStringLiteral("ヘルプ(&H)")}));
  // Every caption equals the window's built without any translator.
  int captions = 0;
  for (const auto* untranslated : m_window.findChildren<QAction*>()) {
    if (untranslated->objectName().isEmpty()) continue;
    const QAction* shown = japanese.findChild<QAction*>(untranslated->objectName());
    ASSERT_NE(shown, nullptr) << untranslated->objectName().toStdString();
    EXPECT_EQ(shown->text(), untranslated->text()) << untranslated->objectName().toStdString();
    ++captions;
  }
  EXPECT_GE(captions, 50);
  EXPECT_EQ(action("mnPropRange")->text(), QStringLiteral("選択部分のﾌﾟﾛﾊﾟﾃｨ(&R)..."));
  EXPECT_EQ(action("mnTempSaveAt")->text(), QStringLiteral("今聞いたのを保存(S)..."));

  ASSERT_TRUE(gui::installTranslations(*QCoreApplication::instance(), UiLanguage::English));
  gui::EditorParts englishParts(settings, SessionServices{prompts, files, dialogs});
  gui::MainWindow& english = englishParts.window();
  int shortcuts = 0;
  for (const auto* ja : japanese.findChildren<QAction*>()) {
    if (ja->objectName().isEmpty()) continue;
    const QAction* en = english.findChild<QAction*>(ja->objectName());
    ASSERT_NE(en, nullptr) << ja->objectName().toStdString();
    EXPECT_EQ(en->shortcut(), ja->shortcut()) << ja->objectName().toStdString();
    shortcuts += ja->shortcut().isEmpty() ? 0 : 1;
  }
  EXPECT_GE(shortcuts, 15);
  EXPECT_EQ(english.menuBar()->actions().constFirst()->text(), QStringLiteral("&File"));
}

// The options dialog's language row stores the row chosen and shows it
// again; the first row forgets the choice, so the desktop decides.
TEST(LanguageChoice, StoresTheChosenRow) {
  TempFolder config("language_choice_test");
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  QStandardPaths::setTestModeEnabled(true);
  const struct {
    int row;
    std::optional<UiLanguage> stored;
  } cases[] = {{2, UiLanguage::English}, {1, UiLanguage::Japanese}, {1, UiLanguage::Japanese}, {0, std::nullopt}};
  for (const auto& c : cases) {
    gui::LanguageChoiceView view(nullptr);
    view.findChild<QComboBox*>(QStringLiteral("cmbLanguage"))->setCurrentIndex(c.row);
    view.store();
    EXPECT_EQ(gui::storedUiLanguage(), c.stored) << c.row;
    gui::LanguageChoiceView again(nullptr);
    EXPECT_EQ(again.findChild<QComboBox*>(QStringLiteral("cmbLanguage"))->currentIndex(), c.row);
  }
}

}  // namespace
}  // namespace ruvo::testing
