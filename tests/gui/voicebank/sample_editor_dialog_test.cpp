// The sample editor on the offscreen platform: zoom, a dragged handle, and
// キャンセル leaving the values as they came.

#include "gui/voicebank/sample_editor_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "gui/voicebank/waveform_view.h"

using namespace ruvo;
using namespace ruvo::gui;

namespace {

WaveSamples seconds(int count, int rate) {
  WaveSamples wave;
  wave.sampleRate = rate;
  wave.channels = 1;
  wave.samples.assign(static_cast<size_t>(count * rate), 1000);
  return wave;
}

}  // namespace

TEST(SampleEditorDialog, DragZoomAndCancel) {
  SampleEditorDialog dialog(nullptr, "a.wav", seconds(2, 22050), {100, 50, 200, 80});
  dialog.resize(600, 300);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("a.wav"));
  auto* view = dialog.findChild<WaveformView*>(QStringLiteral("picWaveform"));
  ASSERT_NE(view, nullptr);
  // 100 ms at 22 050 Hz and zoom 2: 2205 twips, 147 pixels; the handle
  // starts 2 pixels to the left of it.
  EXPECT_EQ(view->handle(SampleHandle::Offset)->x(), 145);
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lbFixed"))->text(), QStringLiteral("50"));

  auto* scroll = dialog.findChild<QScrollBar*>(QStringLiteral("HScroll1"));
  const int atZoom2 = scroll->maximum();
  QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdZoomIn")), Qt::LeftButton);
  EXPECT_EQ(dialog.model().zoom(), 1);
  EXPECT_GT(scroll->maximum(), atZoom2);
  EXPECT_EQ(view->handle(SampleHandle::Offset)->x(), 292);

  QLabel* blank = view->handle(SampleHandle::Blank);
  QTest::mousePress(blank, Qt::LeftButton, {}, QPoint(2, 5));
  QTest::mouseMove(blank, QPoint(2 - blank->x(), 5));
  QTest::mouseRelease(blank, Qt::LeftButton, {}, QPoint(2 - blank->x(), 5));
  EXPECT_EQ(dialog.model().result().blank, 2000 - 150);  // meets the consonant end
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("lbBlank"))->text(), QStringLiteral("1850"));

  QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
}
