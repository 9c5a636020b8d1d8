#pragma once
// Wires the note property commands of the main window: the note pop-up's
// "プロパティ" (mnToneProp) and the Edit menu's range item (mnPropRange,
// Ctrl+E). Each opens the property dialog on one note or on the selection
// and applies what OK returned as one undo step "プロパティ", deleting the
// cached renderings of the notes that changed.

#include <memory>
#include <string>

#include <QObject>

#include "core/prompts.h"
#include "noteprops/property_apply.h"

namespace ruvo::gui {

class MainWindow;

class NotePropertyController final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(NotePropertyController)

 public:
  explicit NotePropertyController(MainWindow& window);
  // mnToneProp on note `target`: that note alone when the selection is one
  // note, else the selection.
  void showProperties(int target);
  // mnPropRange.
  void showSelectionProperties();

 private:
  void showSingle(int index);
  void showRange(NoteRange range);
  void finish(const PropertyChange& change);
  std::string cacheFolder() const;

  MainWindow& m_window;
};

}  // namespace ruvo::gui
