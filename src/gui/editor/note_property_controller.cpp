#include "gui/editor/note_property_controller.h"

#include <QAction>

#include "gui/editor/main_window.h"
#include "gui/editor/roll_mouse_controller.h"
#include "gui/noteprops/note_property_dialog.h"
#include "noteprops/note_cache_files.h"
#include "project/note_sample.h"

namespace ruvo::gui {

NotePropertyController::NotePropertyController(MainWindow& window)
    : QObject(&window), m_window(window) {
  QAction* single = m_window.menus().action(QStringLiteral("mnToneProp"));
  QAction* range = m_window.menus().action(QStringLiteral("mnPropRange"));
  single->setEnabled(true);
  range->setEnabled(true);
  // The pop-up's note is the one the roll was right-clicked on.
  connect(single, &QAction::triggered, this, [this] {
    auto* mouse = m_window.findChild<RollMouseController*>(QStringLiteral("RollMouseController"));
    const int target = mouse ? mouse->propertyTarget() : -1;
    showProperties(target >= 0 ? target : m_window.session().song().selFirst);
  });
  connect(range, &QAction::triggered, this, &NotePropertyController::showSelectionProperties);
}

void NotePropertyController::showSelectionProperties() {
  const Song& song = m_window.session().song();
  if (song.noteCount == 0 || song.selFirst < 0 || song.selFirst >= song.noteCount) return;
  showProperties(song.selFirst);
}

void NotePropertyController::showProperties(int target) {
  const Song& song = m_window.session().song();
  if (song.selFirst == song.selLast) {
    if (target >= 0 && target < song.noteCount) showSingle(target);
    return;
  }
  if (auto range = selectedRange(song)) showRange(*range);
}

std::string NotePropertyController::cacheFolder() const {
  return projectCacheFolder(m_window.session().song(), m_window.session().folders().tempDir);
}

void NotePropertyController::showSingle(int index) {
  Song& song = m_window.session().song();
  PropertyValues values = singleValues(song, index);
  NoteSound sound = noteSoundOf(song, m_window.session().tables(), values.lyric, values.note, values.length,
                                cacheFolder());
  sound.chosenAlias = resolveNoteSample(song, m_window.session().tables(), index).chosenAlias;
  if (!NotePropertyDialog::showDialog(&m_window, values, sound, m_window.session().settings(), m_window.services().prompts)) return;
  finish(applySingle(song, index, values));
}

void NotePropertyController::showRange(NoteRange range) {
  Song& song = m_window.session().song();
  PropertyValues values = mergedValues(song, range);
  NoteSound sound = noteSoundOf(song, m_window.session().tables(), values.lyric, values.note, values.length,
                                cacheFolder());
  if (!NotePropertyDialog::showDialog(&m_window, values, sound, m_window.session().settings(), m_window.services().prompts)) return;
  finish(applyRange(song, range, values));
}

void NotePropertyController::finish(const PropertyChange& change) {
  if (change.undoRecord.empty()) return;
  std::string folder = cacheFolder();
  for (const ChangedNote& note : change.changed) {
    for (const auto& [lyric, noteName] : note.names) {
      auto deleted = deleteCachedRenderings(folder, note.index, lyric, noteName);
      if (!deleted) m_window.services().prompts.message(deleted.error().message, kUnexpectedErrorTitle, MessageIcon::Critical);
    }
  }
  m_window.applyEdit(m_window.edits().recordChange(change.undoRecord, kPropertyUndoLabel, change.result));
}

}  // namespace ruvo::gui
