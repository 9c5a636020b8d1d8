#include "editor/edit_session.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/numbers.h"
#include "editor/length_cleanup.h"
#include "editor/note_edits.h"
#include "editor/note_lines.h"
#include "editor/undo_apply.h"

namespace ruvo {

namespace {

constexpr int kRestNoteNumber = 36;  // C4
constexpr std::string_view kRestLyric = "R";
// The sound list's lengths are rounded to a 64th note.
constexpr double kToneLengthStep = 120;
// Quantize units and rest limits are typed in 480-per-quarter ticks.
constexpr double kTypedTickScale = 4;
constexpr int kMaxKeyAmount = 1'000'000;

// Adds the old and the new selection to the notes to redraw when it moved.
class SelectionWatch {
 public:
  explicit SelectionWatch(const Song& song) : m_song(song), m_first(song.selFirst), m_last(song.selLast) {}
  EditResult finish(EditResult result) const {
    if (m_song.selFirst != m_first || m_song.selLast != m_last) {
      result.redraw.add(NoteSpan::of(m_first, m_last));
      result.redraw.add(selectionSpan(m_song));
    }
    return result;
  }

 private:
  const Song& m_song;
  int m_first;
  int m_last;
};

// The text is a number and nothing else (spaces around it aside).
std::optional<double> numericValue(std::string_view text) {
  size_t end = text.find_last_not_of(" \t");
  if (end == std::string_view::npos) return std::nullopt;
  text = text.substr(0, end + 1);
  auto parsed = parseLeadingNumber(text);
  if (!parsed || parsed->length != text.size() || !std::isfinite(parsed->value)) return std::nullopt;
  return parsed->value;
}

bool positive(double value) { return value > 0; }
bool anyNumber(double) { return true; }

}  // namespace

EditSession::EditSession(Song& song, const OtoTable& oto, Prompts& prompts, Clipboard& clipboard)
    : m_song(song), m_oto(oto), m_prompts(prompts), m_systemClipboard(clipboard) {}

void EditSession::record(EditResult& result, std::string record, std::string_view label) {
  if (record.empty()) return;
  m_song.modified = true;
  result.modifiedSet = true;
  m_journal.push(std::move(record), std::string(label));
  result.journalChanged = true;
}

EditResult EditSession::applyEdit(std::string_view label, const std::function<RecordedEdit(Song&)>& edit) {
  RecordedEdit done = edit(m_song);
  record(done.result, std::move(done.undoRecord), label);
  return announce(done.result);
}

EditResult EditSession::setTempoText(const std::string& text) {
  if (m_song.tempoText == text) return {};
  m_song.tempoText = text;
  m_song.modified = true;
  EditResult result;
  result.modifiedSet = true;
  return announce(result);
}

EditResult EditSession::announce(const EditResult& result) {
  for (const auto& listener : m_listeners) listener(result);
  return result;
}

EditResult EditSession::releaseLabel(const RollView& view, const LabelRelease& release) {
  return announce(ruvo::releaseLabel(m_song, m_journal, m_oto, view, release));
}

int EditSession::drawNote(const RollView& view, const RestClick& click) {
  EditResult result;
  const int index = drawNoteInRest(m_song, m_journal, m_oto, view, click, result);
  announce(result);
  return index;
}

std::optional<double> EditSession::askNumber(const std::string& caption, const std::string& initial,
                                             bool (*valid)(double)) {
  std::string text = initial;
  while (true) {
    auto answer = m_prompts.input(caption, caption, text);
    if (!answer) return std::nullopt;
    auto value = numericValue(*answer);
    if (value && valid(*value)) return value;
    text = *answer;
  }
}

EditResult EditSession::copy() {
  if (!hasSelection(m_song)) {
    m_clipboard.notes.clear();
    return {};
  }
  int first = std::max(selectionLow(m_song), 0);
  int last = std::min(selectionHigh(m_song), m_song.noteCount - 1);
  std::vector<Note> notes;
  for (int i = first; i <= last; ++i) notes.push_back(m_song[i]);
  m_systemClipboard.setText(lyricsText(notes));
  m_clipboard.notes = std::move(notes);
  return {};
}

EditResult EditSession::cut() {
  copy();
  return deleteSelection();
}

EditResult EditSession::paste() {
  if (m_clipboard.notes.empty()) return {};
  SelectionWatch watch(m_song);
  int count = static_cast<int>(m_clipboard.notes.size());
  int at = insertNotes(m_song, m_song.selFirst, m_clipboard.notes);
  m_song.selFirst = at;
  m_song.selLast = at + count - 1;
  EditResult result{NoteSpan::fromOn(at)};
  record(result, deleteLine(at, at + count - 1), "ノートの貼付け");
  return announce(watch.finish(result));
}

EditResult EditSession::deleteSelection() {
  SelectionWatch watch(m_song);
  int first = selectionLow(m_song);
  int last = selectionHigh(m_song);
  std::string lines;
  for (int i = std::max(first, 0); i <= last && i < m_song.noteCount; ++i) {
    lines += noteLine(kInsertKind, i, m_song[i]) + std::string(kRecordLineBreak);
  }
  EditResult result{deleteRange(m_song, first, last)};
  m_song.selFirst = m_song.selLast = m_song.noteCount;
  record(result, std::move(lines), "ノートの削除");
  return announce(watch.finish(result));
}

EditResult EditSession::selectAll() {
  SelectionWatch watch(m_song);
  // An empty song has nothing to select: a selection ending at -1 would
  // point before the first note.
  if (m_song.noteCount > 0) {
    m_song.selFirst = 0;
    m_song.selLast = m_song.noteCount - 1;
  }
  return announce(watch.finish({}));
}

EditResult EditSession::releaseSelection() {
  SelectionWatch watch(m_song);
  m_song.selFirst = m_song.selLast = m_song.noteCount;
  return announce(watch.finish({}));
}

EditResult EditSession::insertRest() {
  SelectionWatch watch(m_song);
  int at = insertNotes(m_song, m_song.selFirst, {makeNote(m_defaultLength, kRestLyric, kRestNoteNumber, m_oto)});
  m_song.selFirst = at + 1;
  m_song.selLast = std::min(m_song.selLast + 1, m_song.noteCount);
  EditResult result{NoteSpan::fromOn(at)};
  record(result, deleteLine(at, at), "休符の挿入");
  return announce(watch.finish(result));
}

EditResult EditSession::insertAskedNote() {
  auto lyric = m_prompts.input("挿入する音を入力", "挿入する音を入力", std::string(kRestLyric));
  if (!lyric) return {};
  SelectionWatch watch(m_song);
  int at = insertNotes(m_song, m_song.selFirst, {makeNote(m_defaultLength, *lyric, kRestNoteNumber, m_oto)});
  EditResult result{NoteSpan::fromOn(at)};
  record(result, deleteLine(at, at), "ノートの挿入");
  return announce(watch.finish(result));
}

EditResult EditSession::moveByAmount() {
  auto answer = m_prompts.input("移動量を半音単位で入力", "移動量を半音単位で入力", "0");
  if (!answer) return {};
  double amount = std::clamp<double>(static_cast<double>(roundHalfEven(leadingNumber(*answer))), -kMaxKeyAmount,
                                     kMaxKeyAmount);
  if (amount == 0) return {};
  return changeKey(static_cast<int>(amount));
}

EditResult EditSession::changeKey(int amount) {
  KeyChange change = changeKeys(m_song, amount);
  if (change.changed.empty()) return {};
  EditResult result{change.changed};
  record(result, std::move(change.record), "キーの変更");
  return announce(result);
}

EditResult EditSession::merge() {
  if (m_song.selFirst == m_song.selLast) return {};
  int hi = selectionHigh(m_song);
  if (hi == m_song.noteCount) --hi;
  int lo = selectionLow(m_song);
  if (lo >= hi || lo < 0 || hi >= m_song.noteCount) return {};
  SelectionWatch watch(m_song);
  std::string lines = noteLine(kPropKind, lo, m_song[lo]);
  Note& target = m_song[lo];
  int64_t length = target.length;
  for (int i = lo + 1; i <= hi; ++i) {
    const Note& absorbed = m_song[i];
    lines += std::string(kRecordLineBreak) + noteLine(kInsertKind, i, absorbed);
    length += absorbed.length;
    if (!isRest(absorbed.lyric)) target.lyric += absorbed.lyric;
  }
  target.length = clampToInt32(static_cast<double>(length));
  EditResult result{deleteRange(m_song, lo + 1, hi)};
  result.redraw.add(NoteSpan::fromOn(lo));
  m_song.selLast = m_song.selFirst;
  record(result, std::move(lines), "ノート結合");
  return announce(watch.finish(result));
}

EditResult EditSession::quantize() {
  auto range = workingRange(m_song);
  if (!range) return {};
  auto unit = askNumber("クォンタイズ単位の入力", "20", positive);
  if (!unit) return {};
  SelectionWatch watch(m_song);
  Cleanup cleanup = quantizeLengths(m_song, *range, *unit * kTypedTickScale);
  EditResult result{cleanup.changed};
  record(result, std::move(cleanup.record), "クォンタイズ");
  return announce(watch.finish(result));
}

EditResult EditSession::removeRests() {
  auto range = workingRange(m_song);
  if (!range) return {};
  auto limit = askNumber("入力値以下の休符を除去します", "20", anyNumber);
  if (!limit) return {};
  SelectionWatch watch(m_song);
  Cleanup cleanup = removeShortRests(m_song, *range, *limit * kTypedTickScale);
  EditResult result{cleanup.changed};
  record(result, std::move(cleanup.record), "休符の除去");
  return announce(watch.finish(result));
}

EditResult EditSession::undo() {
  std::string label = m_journal.newestLabel();
  auto popped = m_journal.pop();
  if (!popped) return {};
  SelectionWatch watch(m_song);
  Song before;
  before.notes.assign(m_song.notes.begin(), m_song.notes.begin() + m_song.noteCount);
  before.noteCount = m_song.noteCount;
  EditResult result{applyUndoRecord(m_song, *popped)};
  m_journal.pushRedo(RedoStep{std::move(*popped), std::move(label), patchBack(m_song, before)});
  result.journalChanged = true;
  if (!result.redraw.empty()) {
    m_song.modified = true;
    result.modifiedSet = true;
  }
  return announce(watch.finish(result));
}

EditResult EditSession::redo() {
  auto step = m_journal.popRedo();
  if (!step) return {};
  SelectionWatch watch(m_song);
  EditResult result{applyPatch(m_song, step->patch)};
  result.journalChanged = true;
  m_song.modified = true;
  result.modifiedSet = true;
  return announce(watch.finish(result));
}

EditResult EditSession::insertTonePub(std::string_view lyric, int noteNumber, int length, bool replace) {
  SelectionWatch watch(m_song);
  EditResult result;
  int at = m_song.selFirst;
  if (replace) {
    // Only an existing note can take the lyric; past the last note there is
    // nothing to replace.
    if (at < 0 || at >= m_song.noteCount) return {};
    std::string line = noteLine(kPropKind, at, m_song[at]);
    setLyric(m_song[at], lyric, m_oto);
    result.redraw = NoteSpan::of(at, at);
    record(result, std::move(line), "歌詞");
  } else {
    int ticks = length < 1 ? m_defaultLength
                           : clampToInt32(static_cast<double>(intFloor(length / kToneLengthStep + 0.5)) *
                                          kToneLengthStep);
    at = insertNotes(m_song, at, {makeNote(ticks, lyric, noteNumber, m_oto)});
    result.redraw = NoteSpan::fromOn(at);
    record(result, deleteLine(at, at), "挿入");
  }
  m_song.selFirst = at + 1;
  m_song.selLast = std::min(m_song.selLast + 1, m_song.noteCount);
  return announce(watch.finish(result));
}

EditResult EditSession::insertPhrase(std::string_view phrase) { return enter(phrase, PhraseMode::Insert, "挿入"); }

EditResult EditSession::replacePhrase(std::string_view phrase) {
  if (m_song.noteCount == 0) return {};
  return enter(phrase, PhraseMode::Replace, "歌詞の置換え");
}

EditResult EditSession::enter(std::string_view phrase, PhraseMode mode, std::string_view label) {
  SelectionWatch watch(m_song);
  PhraseEntry entry = enterPhrase(m_song, phrase, mode, m_defaultLength, m_oto);
  EditResult result{entry.changed};
  record(result, std::move(entry.record), label);
  return announce(watch.finish(result));
}

EditResult EditSession::commitLyricBox(std::string_view text, LyricBoxExit exit) {
  int at = m_song.selFirst;
  if (at < 0 || at >= m_song.noteCount) return {};
  Note& note = m_song[at];
  std::string lyric = cleanLyric(text);
  if (lyric == note.lyric) return {};
  std::string line = noteLine(kPropKind, at, note);
  if (exit == LyricBoxExit::Enter) {
    setLyric(note, lyric, m_oto);
  } else {
    note.lyric = std::move(lyric);
  }
  EditResult result{NoteSpan::of(at, at)};
  record(result, std::move(line), "歌詞の変更");
  return announce(result);
}

}  // namespace ruvo
