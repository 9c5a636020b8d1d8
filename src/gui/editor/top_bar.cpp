#include "gui/editor/top_bar.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "gui/common/twips.h"

namespace ruvo::gui {

namespace {

template <typename W>
W* place(W* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setGeometry(twipRect(left, top, width, height));
  return widget;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, int left, int top, int width, int height) {
  auto* b = new QPushButton(QCoreApplication::translate("TopBar", caption), parent);
  b->setFocusPolicy(Qt::NoFocus);
  return place(b, name, left, top, width, height);
}

QLabel* transportLabel(QWidget* parent, const char* name, const char* caption, int left) {
  auto* label = new QLabel(QCoreApplication::translate("TopBar", caption), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  label->setStyleSheet(QStringLiteral("background: white; border: 1px solid gray;"));
  label->setEnabled(false);  // the render controller enables the play labels
  return place(label, name, left, 120, 315, 195);
}

QComboBox* chooser(QWidget* parent, const char* name, const std::vector<std::pair<const char*, int>>& items) {
  auto* combo = new QComboBox(parent);
  for (auto [caption, ticks] : items) combo->addItem(QCoreApplication::translate("TopBar", caption), ticks);
  combo->setCurrentIndex(2);
  combo->setObjectName(QString::fromUtf8(name));
  // The box keeps its fixed place; its list opens as wide as its longest entry.
  combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  return combo;
}

}  // namespace

TopBar buildTopBar(QWidget* parent) {
  // The fixed places are sized for a 9-point Japanese interface font.
  QFont font(QStringLiteral("Noto Sans CJK JP"));
  font.setPointSize(9);
  parent->setFont(font);
  TopBar bar;
  place(new QLabel(QStringLiteral("Tempo"), parent), "lblTempo", 60, 120, 495, 195);
  bar.tempo = place(new QLineEdit(QStringLiteral("120.0"), parent), "txtTempo", 600, 60, 615, 300);
  bar.quantize = place(chooser(parent, "cmbQuntize",
                               {{QT_TRANSLATE_NOOP("TopBar", "L64 64分音符"), 120}, {QT_TRANSLATE_NOOP("TopBar", "L48 3連32分"), 160}, {QT_TRANSLATE_NOOP("TopBar", "L32 32分音符"), 240},
                                {QT_TRANSLATE_NOOP("TopBar", "L24 3連16分"), 320}, {QT_TRANSLATE_NOOP("TopBar", "L16 16分音符"), 480}, {QT_TRANSLATE_NOOP("TopBar", "L12 3連8分"), 640},
                                {QT_TRANSLATE_NOOP("TopBar", "L8  8分音符"), 960}, {QT_TRANSLATE_NOOP("TopBar", "L6  3連4分"), 1280}, {QT_TRANSLATE_NOOP("TopBar", "L4  4分音符"), 1920}}),
                       "cmbQuntize", 1320, 60, 975, 300);
  bar.lyricLine = place(new QLineEdit(parent), "Text2", 2400, 60, 5115, 300);
  bar.lyricLength = place(chooser(parent, "Combo1",
                                  {{QT_TRANSLATE_NOOP("TopBar", "L2  ２分音符"), 3840}, {QT_TRANSLATE_NOOP("TopBar", "L3  ３連２分"), 2560}, {QT_TRANSLATE_NOOP("TopBar", "L4  ４分音符"), 1920},
                                   {QT_TRANSLATE_NOOP("TopBar", "L6  ３連４分"), 1280}, {QT_TRANSLATE_NOOP("TopBar", "L8  ８分音符"), 960}, {QT_TRANSLATE_NOOP("TopBar", "L12 ３連８分"), 640},
                                   {QT_TRANSLATE_NOOP("TopBar", "L16 16分音符"), 480}}),
                          "Combo1", 7560, 60, 915, 300);
  // The edit controller enables the lyric buttons once it has wired them.
  bar.lyricReplace = button(parent, "cmdLyricRepl", QT_TRANSLATE_NOOP("TopBar", "置換"), 8520, 60, 615, 315);
  bar.lyricInsert = button(parent, "cmdLyricIns", QT_TRANSLATE_NOOP("TopBar", "挿入"), 9180, 60, 555, 315);
  bar.lyricReplace->setEnabled(false);
  bar.lyricInsert->setEnabled(false);
  bar.play = transportLabel(parent, "lblPlay", QT_TRANSLATE_NOOP("TopBar", "＞"), 9840);
  bar.pause = transportLabel(parent, "lblPause", "ll", 10200);
  bar.stop = transportLabel(parent, "lblStop", "□", 10560);
  bar.zoomIn = button(parent, "cmdZoomIn", QT_TRANSLATE_NOOP("TopBar", "拡"), 10980, 60, 315, 315);
  bar.zoomOut = button(parent, "cmdZoomOut", QT_TRANSLATE_NOOP("TopBar", "縮"), 11340, 60, 315, 315);
  bar.goTop = button(parent, "cmdGoTop", QT_TRANSLATE_NOOP("TopBar", "始"), 11760, 60, 315, 315);
  bar.goEnd = button(parent, "cmdGoEnd", QT_TRANSLATE_NOOP("TopBar", "終"), 12120, 60, 315, 315);
  return bar;
}

}  // namespace ruvo::gui
