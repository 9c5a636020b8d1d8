#include "gui/editor/note_property_controller.h"

#include <QAction>

#include "gui/editor/editor_view.h"
#include "gui/noteprops/note_property_dialog.h"
#include "noteprops/note_cache_files.h"
#include "project/note_sample.h"

namespace ruvo::gui {

NotePropertyController::NotePropertyController(EditorView& view, ProjectSession& session, EditSession& edits, std::function<int()> rightClicked)
    : QObject(view.widget()), m_view(view), m_session(session), m_edits(edits), m_rightClicked(std::move(rightClicked)) {
  QAction* single = m_view.menus().action(QStringLiteral("mnToneProp"));
  QAction* range = m_view.menus().action(QStringLiteral("mnPropRange"));
  single->setEnabled(true);
  range->setEnabled(true);
  // The pop-up's note is the one the roll was right-clicked on.
  connect(single, &QAction::triggered, this, [this] {
    const int target = m_rightClicked();
    showProperties(target >= 0 ? target : m_session.song().selFirst);
  });
  connect(range, &QAction::triggered, this, &NotePropertyController::showSelectionProperties);
}

void NotePropertyController::showSelectionProperties() {
  const Song& song = m_session.song();
  if (song.noteCount == 0 || song.selFirst < 0 || song.selFirst >= song.noteCount) return;
  showProperties(song.selFirst);
}

void NotePropertyController::showProperties(int target) {
  const Song& song = m_session.song();
  if (song.selFirst == song.selLast) {
    if (target >= 0 && target < song.noteCount) showSingle(target);
    return;
  }
  if (auto range = selectedRange(song)) showRange(*range);
}

std::string NotePropertyController::cacheFolder() const {
  return projectCacheFolder(m_session.song(), m_session.folders().tempDir);
}

void NotePropertyController::showSingle(int index) {
  const Song& song = m_session.song();
  PropertyValues values = singleValues(song, index);
  NoteSound sound = noteSoundOf(song, m_session.tables(), values.lyric, values.note, values.length,
                                cacheFolder());
  sound.chosenAlias = resolveNoteSample(song, m_session.tables(), index).chosenAlias;
  if (!NotePropertyDialog::showDialog(m_view.widget(), values, sound, m_session.settings(), m_session.services().prompts)) return;
  apply([&](Song& edited) { return applySingle(edited, index, values); });
}

void NotePropertyController::showRange(NoteRange range) {
  const Song& song = m_session.song();
  PropertyValues values = mergedValues(song, range);
  NoteSound sound = noteSoundOf(song, m_session.tables(), values.lyric, values.note, values.length,
                                cacheFolder());
  if (!NotePropertyDialog::showDialog(m_view.widget(), values, sound, m_session.settings(), m_session.services().prompts)) return;
  apply([&](Song& edited) { return applyRange(edited, range, values); });
}

void NotePropertyController::apply(const std::function<PropertyChange(Song&)>& edit) {
  PropertyChange change;
  m_edits.applyEdit(kPropertyUndoLabel, [&](Song& song) {
    change = edit(song);
    return EditSession::RecordedEdit{change.undoRecord, change.result};
  });
  if (change.undoRecord.empty()) return;
  // The changed notes' renderings in the cache are stale.
  std::string folder = cacheFolder();
  for (const ChangedNote& note : change.changed) {
    for (const auto& [lyric, noteName] : note.names) {
      auto deleted = deleteCachedRenderings(folder, note.index, lyric, noteName);
      if (!deleted) m_session.services().prompts.message(deleted.error().message, kUnexpectedErrorTitle, MessageIcon::Critical);
    }
  }
}

}  // namespace ruvo::gui
