#include "gui/settings/project_properties_dialog.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/scripted_answers.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::gui::ProjectPropertiesDialog;
using ruvo::testing::ScriptedFileChooser;
using ruvo::testing::ScriptedPrompts;
using ruvo::testing::TempFolder;

namespace {

ProjectProperties sample(const std::string& cacheDir) {
  return {"曲", "mix.wav", "/v/a", "/bin/splicer", "/bin/resampler", cacheDir, "B50"};
}

Settings registered() {
  Settings s;
  s.OtoList = {"a\t/v/a", "b\t/v/b"};
  return s;
}

template <typename W>
W* child(QWidget* parent, const char* name) {
  auto* widget = parent->findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

}  // namespace

TEST(ProjectPropertiesDialog, ConfirmingReturnsTheBoxesAndCancellingLeavesTheProject) {
  for (const char* button : {"cmdOK", "cmdCancel"}) {
    SCOPED_TRACE(button);
    ProjectProperties properties = sample("/p/song.cache");
    ScriptedPrompts prompts;
    ScriptedFileChooser chooser;
    chooser.paths = {"/banks/声/あ.wav", std::nullopt};
    QTimer::singleShot(0, [button] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      EXPECT_EQ(modal->objectName(), QStringLiteral("Form3"));
      EXPECT_EQ(modal->windowTitle(), QStringLiteral("プロジェクトの設定"));
      EXPECT_EQ(child<QLineEdit>(modal, "txtProjectName")->text(), QStringLiteral("曲"));
      auto* folders = child<QComboBox>(modal, "cboOtoFolder");
      EXPECT_EQ(folders->count(), 2);
      EXPECT_EQ(folders->currentText(), QStringLiteral("/v/a"));
      child<QLineEdit>(modal, "txtOutputWavName")->setText(QStringLiteral("mix"));
      QTest::keyClicks(child<QLineEdit>(modal, "txtFlags"), QStringLiteral(" ; N \""));
      child<QPushButton>(modal, "cmdBrowsOtoDir")->click();
      child<QPushButton>(modal, "cmdBrowsTool2")->click();  // cancelled
      child<QPushButton>(modal, button)->click();
    });
    bool confirmed = ProjectPropertiesDialog::showDialog(nullptr, properties, registered(), "/tmp/work", prompts,
                                                         chooser);
    EXPECT_EQ(confirmed, std::string(button) == "cmdOK");
    ProjectProperties expected = sample("/p/song.cache");
    if (confirmed) {
      expected.outputFile = "mix.wav";
      expected.projectFlags = "B50N";
      expected.voiceFolder = "/banks/声";
    }
    EXPECT_EQ(properties.outputFile, expected.outputFile);
    EXPECT_EQ(properties.projectFlags, expected.projectFlags);
    EXPECT_EQ(properties.voiceFolder, expected.voiceFolder);
    EXPECT_EQ(properties.resamplerPath, "/bin/resampler");
    EXPECT_EQ(properties.cacheDir, "/p/song.cache");
  }
}

TEST(ProjectPropertiesDialog, TheCacheButtonEmptiesTheCacheFolderAtOnce) {
  TempFolder project;
  std::string cache = project / "song.cache";
  ScriptedPrompts prompts;
  ScriptedFileChooser chooser;
  ProjectPropertiesDialog empty(nullptr, sample(cache), registered(), project.path(), prompts, chooser);
  EXPECT_FALSE(child<QPushButton>(&empty, "cmdDeleteCache")->isEnabled());

  std::filesystem::create_directory(cache);
  std::ofstream(cache + "/a_C4_480.wav") << "x";
  ProjectPropertiesDialog dialog(nullptr, sample(cache), registered(), project.path(), prompts, chooser);
  dialog.show();
  auto* button = child<QPushButton>(&dialog, "cmdDeleteCache");
  ASSERT_TRUE(button->isEnabled());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_FALSE(std::filesystem::exists(cache + "/a_C4_480.wav"));
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0], "WAV作成時の中間ファイルを全て削除しました。");
  EXPECT_TRUE(button->isEnabled());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(prompts.messages.size(), 1u);  // nothing left to delete: no message
  QTest::mouseClick(child<QPushButton>(&dialog, "cmdCancel"), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
