#pragma once
// What the controllers ask of the editor window: its widgets, and showing a
// tempo or a status line. It redraws from the edits' change signal itself. The main window
// implements it, so a controller sees no more of the window than this; the
// song, the edits and the services reach it by reference from the editor's
// composition (editor_parts).

#include <QString>

#include "gui/editor/main_menus.h"
#include "gui/editor/top_bar.h"

class QWidget;

namespace ruvo::gui {

class PianoRollView;

class EditorView {
 public:
  virtual ~EditorView() = default;
  // The window, as the owner of dialogs and of the controllers.
  virtual QWidget* widget() = 0;
  virtual PianoRollView* roll() const = 0;
  virtual const MainMenus& menus() const = 0;
  virtual const TopBar& topBar() const = 0;
  // Ticks of the quantize unit and of the lyric-entry default length.
  virtual int quantizeUnit() const = 0;
  virtual int lyricLength() const = 0;
  // Writes a tempo other than 0 into the tempo box, then shows the beat length.
  virtual void showTempo(float tempo) = 0;
  // A message in the status bar for `timeoutMs`.
  virtual void showStatus(const QString& text, int timeoutMs) = 0;
};

}  // namespace ruvo::gui
