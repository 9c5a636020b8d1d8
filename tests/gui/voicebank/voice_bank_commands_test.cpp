// Ctrl+G in the editor window: the settings dialog opens over the project's
// voice folder with the selected note's lyric chosen, and the alias table is
// loaded again once it closes.

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "../support/modal_dialogs.h"
#include "../support/window_fixture.h"
#include "support/wave_bytes.h"

using namespace ruvo;

namespace {

class VoiceBankCommandTest : public ::testing::Test, public ruvo::testing::WindowFixture {
 protected:
  VoiceBankCommandTest() : WindowFixture("voice_bank_command") {}
};

}  // namespace

TEST_F(VoiceBankCommandTest, EditAliasOpensTheBankAndReloadsTheTable) {
  const std::string bank = m_dir / "bank";
  std::filesystem::create_directories(bank);
  std::ofstream(bank + "/i.wav", std::ios::binary) << ruvo::testing::monoWave({0, 100, 0, -100});
  std::ofstream(bank + "/oto.ini", std::ios::binary) << "i.wav=\x82\xa2,1,2,3,4\r\n";
  song().voiceFolder = bank;
  loadSong({{"い", 480, 36, ""}});
  song().selFirst = 0;
  song().selLast = 0;
  QAction* editAlias = action("mnEditAlias");
  ASSERT_TRUE(editAlias->isEnabled());
  EXPECT_EQ(editAlias->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));

  ruvo::testing::whenDialogOpens(QStringLiteral("frmOtoSetting"), [](QWidget* dialog) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtName"));
    EXPECT_EQ(name->text(), QStringLiteral("i.wav"));
    auto* alias = dialog->findChild<QLineEdit*>(QStringLiteral("txtAlias"));
    alias->setText(QStringLiteral("イ"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdSet")), Qt::LeftButton);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
  });
  editAlias->trigger();
  std::string lyric = "イ";
  EXPECT_EQ(m_window.session().tables().oto.getAlias(lyric)[OtoEntry::kFile], "i.wav");
}
