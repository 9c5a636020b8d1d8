// The sound list from the main window's menu on the offscreen platform: the
// recordings of the voice folder, preview and mute, insertion at the
// estimated pitch and length as one undo step, replace, and reopening.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "core/text_file.h"
#include "gui/voicebank/sound_list_window.h"
#include "support/wave_bytes.h"
#include "voicebank/frq_table.h"
#include "../support/window_fixture.h"

using namespace ruvo;
using namespace ruvo::gui;

namespace {

class SoundListTest : public ::testing::Test, protected ruvo::testing::WindowFixture {
 protected:
  SoundListTest() : WindowFixture("ruvo_sound_list_gui") {
    m_bank = m_dir / "bank";
    std::filesystem::create_directories(m_bank);
    const std::string wave = ruvo::testing::monoWave(std::vector<int16_t>(4410, 1000));
    for (const char* name : {"ka.wav", "a.wav", "na.wav"}) EXPECT_TRUE(writeFileBytes(m_bank + "/" + name, wave));
    // ka: 344 frames at 261.63 Hz (C4); na: 100 frames at 32.7 Hz (note 0).
    writeTable("ka.wav", 344, 261.63);
    writeTable("na.wav", 100, 32.7);
    song().voiceFolder = m_bank;
  }
  void writeTable(const std::string& recording, int32_t frames, double average) {
    FrqTable table;
    table.header.frameCount = frames;
    table.header.average = average;
    table.values.assign(2 * static_cast<size_t>(frames), average);
    EXPECT_TRUE(writeFrq(table, m_bank + "/" + recording));
  }
  SoundListWindow* open() {
    action("mnInsertFrom")->trigger();
    QApplication::processEvents();
    auto* window = m_window.findChild<SoundListWindow*>(QStringLiteral("frmFromList"));
    EXPECT_NE(window, nullptr);
    return window;
  }
  QListWidgetItem* row(SoundListWindow* window, const char* name) {
    auto items = window->findChild<QListWidget*>(QStringLiteral("List1"))->findItems(QString::fromUtf8(name),
                                                                                     Qt::MatchExactly);
    EXPECT_EQ(items.size(), 1);
    return items.value(0);
  }
  void doubleClick(SoundListWindow* window, const char* name) {
    auto* list = window->findChild<QListWidget*>(QStringLiteral("List1"));
    QListWidgetItem* item = row(window, name);
    // A double-click as the mouse makes it: the press of the first click
    // names the row the double-click acts on.
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  }
  MediaService& media() { return m_editor.media(); }

  std::string m_bank;
};

TEST_F(SoundListTest, DoubleClickInsertsAtTheEstimatedPitchAndLength) {
  EXPECT_TRUE(action("mnInsertFrom")->isEnabled());
  EXPECT_TRUE(action("mnWordList")->isEnabled());
  m_window.findChild<QLineEdit*>(QStringLiteral("txtTempo"))->setText(QString());
  SoundListWindow* window = open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("リストから挿入"));
  EXPECT_EQ(window->tempo(), 120);
  auto* list = window->findChild<QListWidget*>(QStringLiteral("List1"));
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("a"));

  struct Case {
    const char* name;
    int note;
    int length;
  };
  for (const Case& c : {Case{"ka", 36, 7680}, Case{"na", 36, 2280}, Case{"a", 36, 1920}}) {
    doubleClick(window, c.name);
    EXPECT_EQ(window->selectedName(), c.name);
    ASSERT_GE(song().noteCount, 1);
    const Note& inserted = song()[song().selFirst - 1];
    EXPECT_EQ(inserted.lyric, c.name);
    EXPECT_EQ(inserted.noteNumber, c.note) << c.name;
    EXPECT_EQ(inserted.length, c.length) << c.name;
  }
  EXPECT_EQ(song().noteCount, 3);
  action("mnUndo")->trigger();
  EXPECT_EQ(song().noteCount, 2);  // one step per insertion

  // Replace: the lyric of the note at the cursor changes, nothing is inserted.
  song().selFirst = song().selLast = 0;
  window->findChild<QCheckBox*>(QStringLiteral("chkReplace"))->setChecked(true);
  doubleClick(window, "a");
  EXPECT_EQ(song().noteCount, 2);
  EXPECT_EQ(song()[0].lyric, "a");
}

TEST_F(SoundListTest, ClickPreviewsUnlessMutedAndReopeningKeepsTheWindow) {
  SoundListWindow* window = open();
  ASSERT_NE(window, nullptr);
  auto* list = window->findChild<QListWidget*>(QStringLiteral("List1"));
  window->findChild<QCheckBox*>(QStringLiteral("chkSilent"))->setChecked(true);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row(window, "ka")).center());
  EXPECT_EQ(window->selectedName(), "ka");
  EXPECT_EQ(media().mode(MediaService::kPreviewName).rfind("NG", 0), 0u);
  window->findChild<QCheckBox*>(QStringLiteral("chkSilent"))->setChecked(false);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row(window, "na")).center());
  EXPECT_EQ(window->selectedName(), "na");
  EXPECT_NE(media().mode(MediaService::kPreviewName).rfind("NG", 0), 0u);

  // A recording added now is not seen until the window opens again.
  ASSERT_TRUE(writeFileBytes(m_bank + "/ta.wav", "x"));
  EXPECT_EQ(open(), window);
  EXPECT_EQ(list->count(), 3);
  window->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(open()->findChild<QListWidget*>(QStringLiteral("List1"))->count(), 4);
}

}  // namespace
