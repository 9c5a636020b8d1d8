#pragma once
// The editing commands of the Edit menu, the note pop-up menus and lyric
// entry, over the one open song. The session owns the undo journal and the
// internal clipboard; the song, the voice bank's alias table, the prompts
// (input box) and the system clipboard belong to the window and outlive it.
//
// Every command returns what it changed (EditResult): the notes to redraw,
// whether it set the changed flag and whether the undo item needs a refresh;
// the same result goes to the listeners, from which the window redraws. The
// session is the one writer of the undo journal, and every change the
// window makes to the song goes through it: the roll's gestures and
// selection, the tempo box, the note-property dialogs. Only whole-song steps
// stay with the project session (open, new, import replace the song; save
// clears the changed flag).
// Copy, cut, paste and select-all act on notes only: when a text box has the
// focus, the window sends the keystroke to the box instead of calling them.

#include <functional>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

#include "core/clipboard.h"
#include "core/prompts.h"
#include "editor/edit_clipboard.h"
#include "editor/edit_result.h"
#include "editor/length_choices.h"
#include "editor/lyric_entry.h"
#include "editor/rest_drawing.h"
#include "editor/roll_gestures.h"
#include "editor/undo_journal.h"
#include "song/song_model.h"
#include "voicebank/oto_table.h"

namespace ruvo {

// How the inline lyric box was left.
enum class LyricBoxExit {
  Enter,      // the lyric goes through setLyric (the pre-utterance follows it)
  FocusLost,  // the lyric is stored as typed; the property record stays
};

class EditSession {
 public:
  EditSession(Song& song, const OtoTable& oto, Prompts& prompts, Clipboard& clipboard);

  UndoJournal& journal() { return m_journal; }
  // The open song was replaced by another: its undo and redo steps go.
  void songReplaced() { m_journal.reset(); }
  // Each listener hears every change, in the order they were added.
  void addListener(std::function<void(const EditResult&)> listener) { m_listeners.push_back(std::move(listener)); }
  // Tells the listeners of a change made outside the commands (a command
  // that failed part way, a save that renamed the project). Returns it.
  EditResult announce(const EditResult& result);
  const UndoJournal& journal() const { return m_journal; }
  const EditClipboard& clipboard() const { return m_clipboard; }
  // The length chooser's value, in ticks.
  void setDefaultLength(int ticks) { m_defaultLength = ticks; }
  int defaultLength() const { return m_defaultLength; }

  // Edit menu and pop-ups.
  EditResult copy();
  EditResult cut();
  EditResult paste();
  EditResult deleteSelection();
  EditResult selectAll();
  EditResult releaseSelection();
  EditResult insertRest();
  EditResult insertAskedNote();  // asks for the lyric
  EditResult moveUp() { return changeKey(1); }
  EditResult moveDown() { return changeKey(-1); }
  EditResult moveByAmount();  // asks for the number of semitones
  EditResult merge();
  EditResult quantize();     // asks for the unit
  EditResult removeRests();  // asks for the limit
  EditResult undo();
  // Takes back the newest undo: the notes as they were before it, the notes
  // it brings back selected, and its record back on the journal.
  EditResult redo();
  // A recorded key change of the selection by `amount` semitones.
  EditResult changeKey(int amount);

  // The sound list's insert: a note of `length` ticks (rounded to 120; the
  // default length when below 1) at selFirst, or with `replace` the lyric of
  // the note at selFirst. The insertion point then moves past it.
  EditResult insertTonePub(std::string_view lyric, int noteNumber, int length, bool replace);

  // An edit written elsewhere (the note-property dialogs' rules): `edit`
  // changes the song and returns its undo record, which goes into the
  // journal under `label`, and what it changed; the song is marked changed
  // unless the record is empty.
  struct RecordedEdit {
    std::string undoRecord;
    EditResult result;
  };
  EditResult applyEdit(std::string_view label, const std::function<RecordedEdit(Song&)>& edit);
  // The tempo box's text; marks the song changed when it differs.
  EditResult setTempoText(const std::string& text);

  // The roll's gestures: a label dropped after a drag (releaseLabel in
  // roll_gestures.h), a double-click on a rest (drawNoteInRest; the drawn
  // note's index, or -1).
  EditResult releaseLabel(const RollView& view, const LabelRelease& release);
  int drawNote(const RollView& view, const RestClick& click);
  // Selection only, neither journal nor changed flag (roll_gestures.h): a
  // press on a label, a right press (true when the selection changed), the
  // band swept over `layout` (the seconds it covers), a note opened for
  // its lyric.
  void pressLabel(int index, GestureKeys keys) { selectOnPress(m_song, index, keys); }
  bool rightPressLabel(int index) { return selectOnRightPress(m_song, index); }
  double sweepBand(LabelLayout& layout, const RollView& view, int innerWidth, int x1, int x2) {
    return bandSelect(m_song, layout, view, innerWidth, x1, x2);
  }
  void selectForLyric(int index) { m_song.selFirst = index; }

  // The lyric line's buttons. Replace does nothing in an empty song.
  EditResult insertPhrase(std::string_view phrase);
  EditResult replacePhrase(std::string_view phrase);
  // The inline lyric box over note selFirst was left with `text`.
  EditResult commitLyricBox(std::string_view text, LyricBoxExit exit);

 private:
  EditResult enter(std::string_view phrase, PhraseMode mode, std::string_view label);
  // Pushes a non-empty record, sets the changed flag and fills the result.
  void record(EditResult& result, std::string record, std::string_view label);
  // The input box asked until its text is a number accepted by `valid`;
  // empty when cancelled.
  std::optional<double> askNumber(const std::string& caption, const std::string& initial,
                                  bool (*valid)(double));

  Song& m_song;
  const OtoTable& m_oto;
  Prompts& m_prompts;
  Clipboard& m_systemClipboard;
  UndoJournal m_journal;
  EditClipboard m_clipboard;
  std::vector<std::function<void(const EditResult&)>> m_listeners;
  int m_defaultLength = kLengthChoices[kDefaultLengthChoice].ticks;
};

}  // namespace ruvo
