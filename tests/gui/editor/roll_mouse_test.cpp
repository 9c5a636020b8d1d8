// The mouse on the roll with real events on the offscreen platform: label
// clicks and drags, the band sweep and its marker lines, the edge pointer,
// the popups and the double-click that asks for the lyric box.

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include "../support/window_fixture.h"
#include "gui/editor/edit_controller.h"
#include "gui/editor/main_window.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/qt_project_dialogs.h"
#include "gui/editor/roll_mouse_controller.h"
#include "gui/common/twips.h"
#include "support/temp_folder.h"

using namespace ruvo;
using namespace ruvo::gui;
using namespace ruvo::testing;

namespace {

constexpr int kKey = 40;
constexpr int kRowPixels = 14;  // 210 twips

class RollMouseTest : public ::testing::Test, protected WindowFixture {
 protected:
  RollMouseTest() : WindowFixture("ruvo_roll_mouse") {
    m_window.resize(900, 600);
    m_window.show();
    // Three beats, the third at tempo 150, then a note two octaves down.
    loadSong({{"あ", 1920, kKey, ""},
          {"か", 1920, kKey, ""},
          {"さ", 1920, kKey, "\t\t\t\t\ttempo=150"},
          {"た", 1920, kKey - 24, ""}});
  }

  PianoRollView* roll() { return m_window.roll(); }
  QRect label(int i) { return roll()->labelAt(i).geometry; }
  QPoint middle(int i) { return label(i).center(); }
  QWidget* line(const char* name) { return roll()->findChild<QWidget*>(QString::fromUtf8(name)); }
  QColor colour(Colour which) { return settingsColour(m_settings.settings.colour(which)); }
  std::pair<int, int> selection() { return {song().selFirst, song().selLast}; }
  QString panel2() { return m_window.findChild<QLabel*>(QStringLiteral("Panel2"))->text(); }
};

}  // namespace

TEST_F(RollMouseTest, ClickSelectsAndShowsTheNotesTempoShiftClickExtends) {
  QTest::mouseClick(roll(), Qt::LeftButton, {}, middle(2));
  EXPECT_EQ(selection(), std::pair(2, 2));
  EXPECT_EQ(m_window.topBar().tempo->text(), QStringLiteral("150"));
  EXPECT_EQ(roll()->labelAt(2).background, colour(Colour::NoteTop));
  QTest::mouseClick(roll(), Qt::LeftButton, Qt::ShiftModifier, middle(0));
  EXPECT_EQ(selection(), std::pair(2, 0));
  EXPECT_EQ(song()[0].length, 1920);  // a click changes no note
  EXPECT_FALSE(m_window.edits().journal().canUndo());
}

TEST_F(RollMouseTest, DraggingUpTwoRowsRaisesTheKeyAndUndoRestoresIt) {
  const QPoint from = middle(1);
  QTest::mousePress(roll(), Qt::LeftButton, {}, from);
  for (int dy = 1; dy <= 2 * kRowPixels; dy += 3) QTest::mouseMove(roll(), from - QPoint(0, dy));
  QTest::mouseMove(roll(), from - QPoint(0, 2 * kRowPixels));
  EXPECT_EQ(label(1).top(),
            roll()->labelAt(0).geometry.top() - 2 * kRowPixels);  // follows before the release
  QTest::mouseRelease(roll(), Qt::LeftButton, {}, from - QPoint(0, 2 * kRowPixels));
  EXPECT_EQ(song()[1].noteNumber, kKey + 2);
  EXPECT_EQ(song()[1].length, 1920);
  EXPECT_EQ(m_window.menus().action(QStringLiteral("mnUndo"))->text(),
            QStringLiteral("ノートの変更を元に戻す(&U)"));
  m_window.applyEdit(m_window.edits().undo());
  EXPECT_EQ(song()[1].noteNumber, kKey);
}

TEST_F(RollMouseTest, EdgePointerAndWidthDragWithShift) {
  const QRect box = label(0);
  const QPoint edge(box.right() - 2, box.center().y());
  QTest::mouseMove(roll(), box.center());
  EXPECT_EQ(roll()->cursor().shape(), Qt::ArrowCursor);
  QTest::mouseMove(roll(), edge);
  EXPECT_EQ(roll()->cursor().shape(), Qt::SizeHorCursor);
  QTest::mousePress(roll(), Qt::LeftButton, {}, edge);
  QTest::mouseMove(roll(), edge + QPoint(16, 0));
  QTest::mouseMove(roll(), edge + QPoint(32, 0));  // half a beat at zoom 2
  EXPECT_EQ(label(0).width(), box.width() + 32);
  QTest::mouseRelease(roll(), Qt::LeftButton, Qt::ShiftModifier, edge + QPoint(32, 0));
  EXPECT_EQ(song()[0].length, 2880);
  EXPECT_EQ(song()[1].length, 1920);
}

TEST_F(RollMouseTest, BandSweepSelectsARangeShowsItsTimeAndTheMarkers) {
  // Below the labels' row, across the middle of notes 1 and 2 (and 3, whose
  // label is in another row: the band selects by time).
  const int y = label(0).bottom() + 3 * kRowPixels;
  QTest::mousePress(roll(), Qt::LeftButton, {}, QPoint(middle(1).x(), y));
  EXPECT_TRUE(line("Line1")->isVisible());
  EXPECT_TRUE(line("Line2")->isVisible());
  QTest::mouseMove(roll(), QPoint(middle(3).x(), y));
  EXPECT_EQ(line("Line2")->x(), middle(3).x());
  EXPECT_EQ(selection(), std::pair(1, 3));
  EXPECT_EQ(panel2(), QStringLiteral("%1 sec").arg(1920 / 120.0 / 32 + 1920 / 150.0 / 32 * 2, 0, 'f', 6));
  EXPECT_EQ(roll()->labelAt(1).background, colour(Colour::NoteTop));
  EXPECT_EQ(roll()->labelAt(2).background, colour(Colour::NoteSel));
  EXPECT_EQ(roll()->labelAt(0).background, colour(Colour::NoteNor));
  QTest::mouseRelease(roll(), Qt::LeftButton, {}, QPoint(middle(3).x(), y));
  EXPECT_FALSE(line("Line1")->isVisible());
  EXPECT_FALSE(line("Line2")->isVisible());
  EXPECT_EQ(selection(), std::pair(1, 3));

  // Past the last note: nothing.
  const int end = label(3).right() + 40;
  QTest::mouseClick(roll(), Qt::LeftButton, {}, QPoint(end, y));
  EXPECT_EQ(selection(), std::pair(4, 4));
  EXPECT_EQ(panel2(), QStringLiteral("0.000000 sec"));
}

TEST_F(RollMouseTest, RightClicksKeepTheSelectionAndOpenThePopups) {
  song().selFirst = 0;
  song().selLast = 2;
  roll()->layoutLabels();
  QTest::mouseClick(roll(), Qt::RightButton, {}, middle(1));
  EXPECT_EQ(selection(), std::pair(0, 2));
  EXPECT_TRUE(m_window.menus().notePopup->isVisible());
  auto* controller = m_window.findChild<RollMouseController*>(QStringLiteral("RollMouseController"));
  ASSERT_NE(controller, nullptr);
  EXPECT_EQ(controller->propertyTarget(), 1);
  m_window.menus().notePopup->hide();

  QTest::mouseClick(roll(), Qt::RightButton, {}, middle(3));
  EXPECT_EQ(selection(), std::pair(3, 3));
  m_window.menus().notePopup->hide();

  QTest::mouseClick(roll(), Qt::RightButton, {}, QPoint(middle(1).x(), label(0).bottom() + 3 * kRowPixels));
  EXPECT_TRUE(m_window.menus().rollPopup->isVisible());
  m_window.menus().rollPopup->hide();
}

TEST_F(RollMouseTest, DoubleClickAsksForTheLyricBoxOverTheNote) {
  auto* controller = m_window.findChild<RollMouseController*>(QStringLiteral("RollMouseController"));
  ASSERT_NE(controller, nullptr);
  QSignalSpy asked(controller, &RollMouseController::lyricBoxRequested);
  QTest::mouseDClick(roll(), Qt::LeftButton, {}, middle(1));
  ASSERT_EQ(asked.count(), 1);
  EXPECT_EQ(asked.at(0).at(0).toInt(), 1);
  EXPECT_EQ(song().selFirst, 1);
  EXPECT_FALSE(m_window.edits().journal().canUndo());
}

// A double-click on empty roll space draws a note where the time falls on a
// rest and opens its lyric box; on a sung note's time it changes nothing. An
// edge drag that cannot lengthen says why in the status bar.
TEST_F(RollMouseTest, DoubleClickDrawsIntoARestAndARefusedEdgeDragSaysWhy) {
  struct Case {
    const char* what;
    int tick;  // the time double-clicked, two rows above the notes
    std::vector<int> lengths;
    bool drawn;
  };
  const Case cases[] = {{"on the rest", 3840 + 100, {1920, 1920, 1920, 1920}, true},
                        {"on a sung note", 960, {1920, 3840, 1920}, false},
                        {"past the end", 7680 + 2000, {1920, 3840, 1920, 1920, 1920}, true}};
  for (const Case& c : cases) {
    loadSong({{"あ", 1920, kKey, ""}, {"R", 3840, kKey, ""}, {"い", 1920, kKey, ""}});
    const QPoint at(qRound(toPixels(c.tick / 2 + kKeyboardWidth)), label(0).center().y() - 2 * kRowPixels);
    QTest::mouseDClick(roll(), Qt::LeftButton, {}, at);
    std::vector<int> lengths;
    for (int i = 0; i < song().noteCount; ++i) lengths.push_back(song()[i].length);
    EXPECT_EQ(lengths, c.lengths) << c.what;
    auto* box = roll()->findChild<QLineEdit*>(QStringLiteral("Text1"));
    EXPECT_EQ(box->isVisible(), c.drawn) << c.what;
    if (!c.drawn) continue;
    EXPECT_EQ(box->text(), QStringLiteral("あ")) << c.what;
    EXPECT_EQ(song()[song().selFirst].noteNumber, kKey + 2) << c.what;
    EXPECT_EQ(m_window.edits().journal().caption(), "ノートの挿入を元に戻す(&U)") << c.what;
    m_editor.editing().discardLyricBox();
  }

  loadSong({{"あ", 1920, kKey, ""}, {"い", 1920, kKey, ""}});
  const QPoint edge(label(0).right() - 2, label(0).center().y());
  QTest::mousePress(roll(), Qt::LeftButton, {}, edge);
  QTest::mouseMove(roll(), edge + QPoint(32, 0));
  QTest::mouseRelease(roll(), Qt::LeftButton, {}, edge + QPoint(32, 0));
  EXPECT_EQ(song()[0].length, 1920);
  EXPECT_TRUE(m_window.statusBar()->currentMessage().contains(QStringLiteral("長くできません")));
}
