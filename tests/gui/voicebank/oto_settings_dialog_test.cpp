// The voice-bank settings dialog on the offscreen platform, driven by the
// objectNames of its controls.

#include "gui/voicebank/oto_settings_dialog.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/text_file.h"
#include "gui/voicebank/waveform_view.h"
#include "media/sdl_audio/sdl_audio_output.h"
#include "support/scripted_answers.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"
#include "../support/modal_dialogs.h"
#include "../support/find_child.h"

using namespace ruvo;
using namespace ruvo::testing;
using namespace ruvo::gui;
using ruvo::testing::ScriptedFileChooser;
using ruvo::testing::ScriptedPrompts;
using ruvo::testing::TempFolder;

namespace {

void writeBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string sineWave(size_t frames) {
  std::vector<int16_t> samples(frames);
  for (size_t i = 0; i < frames; ++i) samples[i] = static_cast<int16_t>(8000 * std::sin(i * 0.0627));
  return ruvo::testing::monoWave(samples);
}

struct OtoSettingsDialogTest : ::testing::Test {
  OtoSettingsDialogTest() {
    for (const char* name : {"a.wav", "i.wav"}) writeBytes(dir / name, sineWave(4410));
    writeBytes(dir / "oto.ini", "i.wav=\x82\xa2,10,20,30,40\r\nx.wav=\x82\xa6,1,2,3,4\r\n");
  }
  std::unique_ptr<OtoSettingsDialog> open(const std::string& target, const std::string& tool = "") {
    auto dialog = std::make_unique<OtoSettingsDialog>(
        nullptr, OtoSettingsContext{dir.path(), target, tool, dir.path(), false},
        OtoSettingsServices{prompts, files, media, [this](const std::string& name) { deleted.push_back(name); },
                            [this](QWidget*, const std::string& path) {
                              edited.push_back(path);
                              return true;
                            }});
    dialog->show();
    return dialog;
  }
  void click(QWidget* dialog, const char* name) { QTest::mouseClick(child<QPushButton>(dialog, name), Qt::LeftButton); }
  QString box(QWidget* dialog, const char* name) { return child<QLineEdit>(dialog, name)->text(); }
  void type(QWidget* dialog, const char* name, const QString& text) {
    auto* edit = child<QLineEdit>(dialog, name);
    edit->clear();
    QTest::keyClicks(edit, text);
  }
  std::string oto() { return *readFileBytes(dir / "oto.ini"); }

  TempFolder dir{"oto_dialog"};
  ScriptedPrompts prompts;
  ScriptedFileChooser files;
  SdlAudioOutput output;
  MediaService media{output};
  std::vector<std::string> deleted;
  std::vector<std::string> edited;
};

}  // namespace

TEST_F(OtoSettingsDialogTest, RowsSelectionSetAndOkWriteTheFile) {
  auto dialog = open("い");
  auto* list = child<QTreeWidget>(dialog.get(), "List1");
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("a.wav"));
  EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
  EXPECT_EQ(box(dialog.get(), "txtName"), QStringLiteral("i.wav"));
  EXPECT_EQ(box(dialog.get(), "txtOffset2"), QStringLiteral("40"));
  EXPECT_TRUE(child<QLineEdit>(dialog.get(), "txtName")->isReadOnly());
  EXPECT_FALSE(child<QPushButton>(dialog.get(), "cmdFreqList")->isEnabled());

  type(dialog.get(), "txtOffset", QStringLiteral("007"));
  type(dialog.get(), "txtFixedLen", QStringLiteral("007"));
  click(dialog.get(), "cmdSet");
  EXPECT_EQ(box(dialog.get(), "txtOffset"), QStringLiteral("7"));
  EXPECT_EQ(list->topLevelItem(1)->text(3), QStringLiteral("007"));
  EXPECT_EQ(deleted, std::vector<std::string>{"i"});

  click(dialog.get(), "cmdOK");
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(oto(), "i.wav=\x82\xa2,7,007,30,40\r\nx.wav=\x82\xa6,1,2,3,4\r\n");
}

TEST_F(OtoSettingsDialogTest, DeleteAsksAndAFailedWriteKeepsTheDialogOpen) {
  auto dialog = open("");
  auto* list = child<QTreeWidget>(dialog.get(), "List1");
  EXPECT_EQ(list->currentItem(), list->topLevelItem(0));  // a.wav: no alias
  list->setCurrentItem(list->topLevelItem(2));
  prompts.answers = {Answer::No, Answer::Yes};
  click(dialog.get(), "cmdDel");
  EXPECT_EQ(list->topLevelItemCount(), 3);
  click(dialog.get(), "cmdDel");
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(prompts.questions[0],
            "選択したエントリを削除します。\n削除するとパラメータがクリアされますが、ファイルは削除しません。");

  std::filesystem::remove_all(dir.path());
  click(dialog.get(), "cmdOK");
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.titles[0], "原音設定");
  EXPECT_NE(prompts.messages[0].find("oto.ini"), std::string::npos) << prompts.messages[0];
  EXPECT_EQ(list->topLevelItemCount(), 2);
}

TEST_F(OtoSettingsDialogTest, DoubleClickPreviewsAndEditorValuesComeBack) {
  auto dialog = open("い");
  auto* list = child<QTreeWidget>(dialog.get(), "List1");
  emit list->itemDoubleClicked(list->currentItem(), 0);
  EXPECT_EQ(media.mode(MediaService::kPreviewName), "playing");

  ruvo::testing::whenDialogOpens(QStringLiteral("frmOtoEdit"), [](QWidget* editor) {
    auto* view = editor->findChild<WaveformView*>(QStringLiteral("picWaveform"));
    QLabel* offset = view->handle(SampleHandle::Offset);
    QTest::mousePress(offset, Qt::LeftButton, {}, QPoint(2, 5));
    QTest::mouseMove(offset, QPoint(-400, 5));
    QTest::mouseRelease(offset, Qt::LeftButton, {}, QPoint(-400, 5));
    QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  });
  click(dialog.get(), "cmdEditGUI");
  EXPECT_EQ(box(dialog.get(), "txtOffset"), QStringLiteral("0"));
  EXPECT_EQ(box(dialog.get(), "txtOffset2"), QStringLiteral("40"));
  EXPECT_EQ(list->currentItem()->text(2), QStringLiteral("0"));
  EXPECT_EQ(deleted, std::vector<std::string>{"i"});

  // A damaged recording: a clear message and no editor.
  writeBytes(dir / "i.wav", std::string("RIFF\x04\0\0\0WAVEjunk", 16));
  click(dialog.get(), "cmdEditGUI");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].find("i.wav"), std::string::npos);
}

TEST_F(OtoSettingsDialogTest, RegenerationRunsTheToolAndEnablesTheTableEditor) {
  const std::string tool = dir / "fake_resampler";
  std::ofstream(tool) << "#!/bin/sh\necho table > \"${1%.wav}_wav.frq\"\n";
  std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
  auto dialog = open("い", tool);
  auto* freqList = child<QPushButton>(dialog.get(), "cmdFreqList");
  EXPECT_FALSE(freqList->isEnabled());
  prompts.answers = {Answer::Yes};
  click(dialog.get(), "cmdDeleteFreqList");
  EXPECT_EQ(prompts.questions[0], "「i.wav」の周波数表を再作成します。");
  EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->generating(); }, 5000));
  EXPECT_TRUE(std::filesystem::exists(dir / "i_wav.frq"));
  EXPECT_TRUE(child<QPushButton>(dialog.get(), "cmdDeleteFreqList")->isEnabled());
  ASSERT_TRUE(freqList->isEnabled());
  click(dialog.get(), "cmdFreqList");
  EXPECT_EQ(edited, std::vector<std::string>{dir / "i.wav"});
  EXPECT_EQ(deleted, (std::vector<std::string>{"i", "i"}));
}
