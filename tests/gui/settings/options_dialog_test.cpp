#include "gui/settings/options_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "settings/worker_count.h"
#include "support/scripted_answers.h"
#include "../support/find_child.h"

using namespace ruvo;
using namespace ruvo::testing;
using ruvo::gui::OptionsDialog;
using ruvo::testing::ScriptedFileChooser;
using ruvo::testing::ScriptedPrompts;

namespace {

Settings someSettings() {
  Settings s;
  s.OtoList = {"a\t/v/a", "b\t/v/b"};
  s.CacheEnable = true;
  s.CacheDeleteOnUnload = true;
  s.Tool1Path = "/bin/splicer";
  s.Tool2Path = "/bin/resampler";
  return s;
}

// One open options dialog with its scripted services.
struct OpenDialog {
  explicit OpenDialog(Settings& settings) : dialog(nullptr, settings, own, "/prog", prompts, chooser) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
  }
  template <typename W>
  W* find(const char* name) {
    return child<W>(dialog, name);
  }
  void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
  void type(const char* name, const QString& text) {
    auto* box = find<QLineEdit>(name);
    box->clear();
    QTest::keyClicks(box, text);
  }
  std::vector<std::string> rows() {
    std::vector<std::string> texts;
    auto* list = find<QListWidget>("lstOtoList");
    for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().toStdString());
    return texts;
  }

  ScriptedPrompts prompts;
  ScriptedFileChooser chooser;
  OwnSettings own = [] {
    OwnSettings stored;
    stored.set(kWorkersSetting, "3");
    return stored;
  }();
  OptionsDialog dialog;
};

}  // namespace

TEST(OptionsDialog, ARefusedLimitKeepsTheDialogOpenWithTheFocusOnItsBox) {
  struct Case {
    const char* rule;
    const char* size;
    const char* days;
    const char* message;
    const char* focus;
  } cases[] = {
      {"optCacheDeleteByDate", "1000", "abc", "期限の設定が不正", "txtCacheDeleteDays"},
      {"optCacheDeleteBySize", "0", "30", "上限の設定が不正", "txtCacheLimitSize"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    Settings settings = someSettings();
    OpenDialog open(settings);
    open.find<QTabWidget>("tbsOptions")->setCurrentIndex(3);
    open.find<QRadioButton>(c.rule)->setChecked(true);
    open.type("txtCacheLimitSize", QString::fromLatin1(c.size));
    open.type("txtCacheDeleteDays", QString::fromLatin1(c.days));
    open.find<QLineEdit>("txtTool1Path")->setText(QStringLiteral("/elsewhere"));
    open.click("cmdOK");
    ASSERT_EQ(open.prompts.messages.size(), 1u);
    EXPECT_EQ(open.prompts.messages[0], c.message);
    EXPECT_TRUE(open.dialog.isVisible());
    EXPECT_EQ(open.find<QTabWidget>("tbsOptions")->currentIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), open.find<QLineEdit>(c.focus));
    EXPECT_EQ(settings.Tool1Path, "/bin/splicer");
  }
}

TEST(OptionsDialog, OkWritesTheSettingsAndCancelLeavesThem) {
  for (bool ok : {true, false}) {
    Settings settings = someSettings();
    OpenDialog open(settings);
    EXPECT_TRUE(open.find<QRadioButton>("optCacheDeleteOnUnload")->isChecked());
    open.find<QRadioButton>("optCacheDeleteBySize")->setChecked(true);
    open.type("txtCacheLimitSize", QStringLiteral("64"));
    open.find<QLineEdit>("txtTool2Path")->setText(QStringLiteral("/new/resampler"));
    auto* workers = open.find<QSpinBox>("spnResamplerWorkers");
    open.find<QTabWidget>("tbsOptions")->setCurrentIndex(2);
    EXPECT_TRUE(workers->isVisible());
    EXPECT_EQ(workers->value(), 3);
    workers->setValue(5);
    open.click(ok ? "cmdOK" : "cmdCancel");
    EXPECT_FALSE(open.dialog.isVisible());
    EXPECT_EQ(open.dialog.result(), ok ? QDialog::Accepted : QDialog::Rejected);
    EXPECT_EQ(settings.CacheDeleteBySize, ok);
    EXPECT_EQ(settings.CacheDeleteOnUnload, !ok);
    EXPECT_EQ(settings.CacheDeleteSize, ok ? 64 : 0);
    EXPECT_EQ(settings.Tool2Path, ok ? "/new/resampler" : "/bin/resampler");
    EXPECT_EQ(open.own.value(kWorkersSetting), ok ? "5" : "3");
    EXPECT_TRUE(open.prompts.messages.empty());
  }
}

TEST(OptionsDialog, TheCacheCheckBoxSwitchesTheRulesAndClearsThemOnOk) {
  Settings settings = someSettings();
  OpenDialog open(settings);
  auto* cache = open.find<QCheckBox>("chkCacheTemp");
  const char* controls[] = {"optCacheNoDelete", "optCacheDeleteOnUnload", "optCacheDeleteBySize",
                            "optCacheDeleteByDate", "txtCacheLimitSize", "txtCacheDeleteDays"};
  for (bool checked : {false, true, false}) {
    cache->setChecked(checked);
    for (const char* name : controls) EXPECT_EQ(open.find<QWidget>(name)->isEnabled(), checked) << name;
  }
  open.click("cmdOK");
  EXPECT_FALSE(settings.CacheEnable);
  EXPECT_FALSE(settings.CacheDeleteOnUnload);
}

TEST(OptionsDialog, VoiceBanksAreAddedSetAndRemovedThroughTheList) {
  Settings settings = someSettings();
  OpenDialog open(settings);
  open.find<QTabWidget>("tbsOptions")->setCurrentIndex(1);
  open.find<QLineEdit>("txtOtoName")->setText(QStringLiteral("声"));
  QTest::keyClicks(open.find<QLineEdit>("txtOtoName"), QStringLiteral(",3"));
  EXPECT_EQ(open.find<QLineEdit>("txtOtoName")->text(), QStringLiteral("声3"));
  open.click("cmdOtoAdd");
  EXPECT_EQ(QApplication::focusWidget(), open.find<QLineEdit>("txtOtoPath"));
  open.chooser.paths = {"/v/声/あ.wav"};
  open.click("cmdOtoFolder");
  EXPECT_EQ(open.find<QLineEdit>("txtOtoPath")->text(), QStringLiteral("/v/声"));
  open.click("cmdOtoAdd");
  EXPECT_EQ(open.rows(), (std::vector<std::string>{"a\t/v/a", "b\t/v/b", "声3\t/v/声"}));
  EXPECT_TRUE(open.find<QLineEdit>("txtOtoName")->text().isEmpty());

  auto* list = open.find<QListWidget>("lstOtoList");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(open.find<QLineEdit>("txtOtoName")->text(), QStringLiteral("a"));
  EXPECT_EQ(open.find<QLineEdit>("txtOtoPath")->text(), QStringLiteral("/v/a"));
  open.click("cmdOtoDelete");
  open.click("cmdOtoDelete");  // nothing selected any more
  EXPECT_EQ(open.rows(), (std::vector<std::string>{"b\t/v/b", "声3\t/v/声"}));
  open.click("cmdOK");
  EXPECT_EQ(settings.OtoList, (std::vector<std::string>{"b\t/v/b", "声3\t/v/声"}));
}

TEST(OptionsDialog, ToolPathsComeFromTheFileChooserOrTheProgramFolder) {
  Settings settings = someSettings();
  OpenDialog open(settings);
  open.chooser.paths = {"/opt/tools/join", std::nullopt};
  open.click("cmdBrowsTool1");
  open.click("cmdBrowsTool2");
  EXPECT_EQ(open.find<QLineEdit>("txtTool1Path")->text(), QStringLiteral("/opt/tools/join"));
  EXPECT_EQ(open.find<QLineEdit>("txtTool2Path")->text(), QStringLiteral("/bin/resampler"));
  EXPECT_EQ(open.chooser.requests[0].filter, "実行ファイル(*.exe)|*.exe|全てのファイル(*.*)|*.*");
  open.click("cmdOK");
  EXPECT_EQ(settings.Tool1Path, "/opt/tools/join");

  OpenDialog again(settings);
  again.click("Command1");
  again.click("cmdOK");
  EXPECT_EQ(settings.Tool1Path, "/prog/splicer");
  EXPECT_EQ(settings.Tool2Path, "/prog/resampler");
}

TEST(OptionsDialog, CtrlTabCyclesThroughTheFourTabs) {
  Settings settings = someSettings();
  OpenDialog open(settings);
  auto* tabs = open.find<QTabWidget>("tbsOptions");
  QStringList texts;
  for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
  EXPECT_EQ(texts, (QStringList{QStringLiteral("全般"), QStringLiteral("原音の登録"), QStringLiteral("キャッシュ"),
                                QStringLiteral("パス")}));
  tabs->setCurrentIndex(3);
  QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(tabs->currentIndex(), 0);
  EXPECT_EQ(open.dialog.windowTitle(), QStringLiteral("ｵﾌﾟｼｮﾝ"));
}

TEST(OptionsDialog, ShowDialogAnswersWhetherOkWasPressed) {
  for (const char* button : {"cmdOK", "cmdCancel"}) {
    Settings settings = someSettings();
    ScriptedPrompts prompts;
    ScriptedFileChooser chooser;
    OwnSettings own;
    QTimer::singleShot(0, [button] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      modal->findChild<QCheckBox*>(QStringLiteral("chkCacheTemp"))->setChecked(false);
      modal->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    });
    bool ok = OptionsDialog::showDialog(nullptr, settings, own, "/prog", prompts, chooser);
    EXPECT_EQ(ok, std::string(button) == "cmdOK");
    EXPECT_EQ(settings.CacheEnable, !ok);
  }
}
