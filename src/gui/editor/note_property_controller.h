#pragma once
// Wires the note property commands of the main window: the note pop-up's
// "プロパティ" (mnToneProp) and the Edit menu's range item (mnPropRange,
// Ctrl+E). Each opens the property dialog on one note or on the selection
// and applies what OK returned as one undo step "プロパティ", deleting the
// cached renderings of the notes that changed.

#include <functional>
#include <memory>
#include <string>

#include <QObject>

#include "editor/edit_session.h"
#include "editor/project_session.h"
#include "core/prompts.h"
#include "noteprops/property_apply.h"

namespace ruvo::gui {

class EditorView;

class NotePropertyController final : public QObject {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(NotePropertyController)

 public:
  // `rightClicked` tells the note the roll's pop-up was opened on (-1: none).
  NotePropertyController(EditorView& view, ProjectSession& session, EditSession& edits, std::function<int()> rightClicked);
  // mnToneProp on note `target`: that note alone when the selection is one
  // note, else the selection.
  void showProperties(int target);
  // mnPropRange.
  void showSelectionProperties();

 private:
  void showSingle(int index);
  void showRange(NoteRange range);
  // Applies the dialog's values through the editing session and drops the
  // changed notes' renderings from the cache.
  void apply(const std::function<PropertyChange(Song&)>& edit);
  std::string cacheFolder() const;

  EditorView& m_view;
  ProjectSession& m_session;
  EditSession& m_edits;
  std::function<int()> m_rightClicked;
};

}  // namespace ruvo::gui
