#pragma once
// The row of controls above the roll: tempo box, quantize and lyric-length
// choosers with their captions, the lyric line (which takes the width the
// others leave), lyric buttons, transport buttons, zoom and scroll buttons.
// Every control names itself in a tooltip.

#include <QString>

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace ruvo::gui {

struct TopBar {
  QWidget* bar = nullptr;            // the row itself, as wide as the window
  QLineEdit* tempo = nullptr;        // txtTempo
  QComboBox* quantize = nullptr;     // cmbQuntize, ticks as item data
  QLineEdit* lyricLine = nullptr;    // Text2
  QComboBox* lyricLength = nullptr;  // Combo1, ticks as item data
  QPushButton* lyricReplace = nullptr;
  QPushButton* lyricInsert = nullptr;
  QToolButton* play = nullptr;  // lblPlay, lblPause, lblStop: see followAction
  QToolButton* pause = nullptr;
  QToolButton* stop = nullptr;
  QPushButton* zoomIn = nullptr;
  QPushButton* zoomOut = nullptr;
  QPushButton* goTop = nullptr;
  QPushButton* goEnd = nullptr;
};

// Builds the row as a child of `parent`, at its top, `height` pixels high.
TopBar buildTopBar(QWidget* parent, int height);

// The button runs the menu item's command, is enabled exactly when the item
// is, and its tooltip names the item and its shortcut ("停止 (F7)").
void followAction(QToolButton* button, QAction* action);

}  // namespace ruvo::gui
