// The pitch curve editor on the offscreen platform: dragging a point,
// selecting a band with the mouse, the buttons, and a damaged curve text.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "gui/noteprops/pitch_curve_dialog.h"
#include "gui/noteprops/pitch_curve_view.h"

using namespace ruvo;
using namespace ruvo::gui;

namespace {

PitchCurveForm formOf(std::string pitches, int lengthMs = 500) {
  PitchEditorInput input;
  input.pitches = std::move(pitches);
  input.offsetMs = 20;
  input.fixedMs = 60;
  input.lengthMs = lengthMs;
  input.preUtteranceMs = 60;
  PitchEditorSound sound;
  sound.sampleCount = 44100;
  for (int k = 0; k < 44100; ++k) sound.wave.push_back(static_cast<int16_t>(8000 * std::sin(k * 0.0627)));
  return PitchCurveForm(input, std::move(sound));
}

void click(QWidget* dialog, const char* name) {
  auto* button = dialog->findChild<QPushButton*>(QString::fromUtf8(name));
  ASSERT_NE(button, nullptr) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

TEST(PitchCurveDialog, DragBandAndButtonsEditTheCurve) {
  PitchCurveDialog dialog(nullptr, formOf(""));
  dialog.show();
  auto* view = dialog.findChild<PitchCurveView*>(QStringLiteral("Form2Surface"));
  ASSERT_NE(view, nullptr);
  EXPECT_FALSE(dialog.findChild<QCheckBox*>(QStringLiteral("Check1"))->isVisible());
  EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cboVibrato"))->currentText(), QStringLiteral("5"));

  // Point 3 dragged one semitone (450 twips, 30 pixels) up.
  QPoint centre = view->pointRect(3).center().toPoint();
  QTest::mousePress(view, Qt::LeftButton, {}, centre);
  QTest::mouseMove(view, centre - QPoint(0, 30));
  QTest::mouseRelease(view, Qt::LeftButton, {}, centre - QPoint(0, 30));
  EXPECT_NEAR(dialog.form().values()[3], 10, 0.01);

  // A band from point 5 to point 9 drawn above the points.
  QPoint from(qRound(view->pointRect(5).center().x()), 5);
  QPoint to(qRound(view->pointRect(9).center().x()), 5);
  QTest::mousePress(view, Qt::LeftButton, {}, from);
  QTest::mouseMove(view, to);
  QTest::mouseRelease(view, Qt::LeftButton, {}, to);
  EXPECT_EQ(dialog.form().selectionStart(), 5);
  EXPECT_EQ(dialog.form().selectionEnd(), 9);
  click(&dialog, "cmdVibrato");
  EXPECT_NEAR(dialog.form().values()[7], 5, 1e-4);  // half a cycle, depth 5
  click(&dialog, "cmdSetZero");
  EXPECT_EQ(dialog.form().values()[7], 0);
  click(&dialog, "cmdZoomOut");
  EXPECT_EQ(dialog.form().zoom(), 2);
  click(&dialog, "cmdOK");
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.form().curveText(), "0Q120 0 0 100");
}

TEST(PitchCurveDialog, DamagedCurveOpensAndSavesAValidText) {
  std::string damaged = "abcQ";
  for (int i = 0; i < 6000; ++i) damaged += i % 2 ? " 1e308" : " --x";
  PitchCurveDialog dialog(nullptr, formOf(damaged, 600000));
  dialog.show();
  for (int i = 0; i < 12; ++i) click(&dialog, "cmdZoomOut");
  QTest::qWait(1);
  click(&dialog, "cmdOK");
  std::string text = dialog.form().curveText();
  EXPECT_EQ(std::count(text.begin(), text.end(), ' '), 3048);
  EXPECT_EQ(text.find_first_not_of("0123456789.Q- "), std::string::npos) << text.substr(0, 80);
}

}  // namespace
