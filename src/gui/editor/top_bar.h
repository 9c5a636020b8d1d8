#pragma once
// The row of controls above the roll, each at its fixed place in twips:
// tempo box, quantize and lyric-length choosers, lyric line, lyric and
// transport buttons, zoom and scroll buttons.

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ruvo::gui {

struct TopBar {
  QLineEdit* tempo = nullptr;        // txtTempo
  QComboBox* quantize = nullptr;     // cmbQuntize, ticks as item data
  QLineEdit* lyricLine = nullptr;    // Text2
  QComboBox* lyricLength = nullptr;  // Combo1, ticks as item data
  QPushButton* lyricReplace = nullptr;
  QPushButton* lyricInsert = nullptr;
  QLabel* play = nullptr;
  QLabel* pause = nullptr;
  QLabel* stop = nullptr;
  QPushButton* zoomIn = nullptr;
  QPushButton* zoomOut = nullptr;
  QPushButton* goTop = nullptr;
  QPushButton* goEnd = nullptr;
};

TopBar buildTopBar(QWidget* parent);

}  // namespace ruvo::gui
