#include "editor/lyric_entry.h"

#include <algorithm>
#include <vector>

#include "editor/lyric_phrase.h"
#include "editor/note_edits.h"
#include "editor/note_lines.h"

namespace ruvo {

namespace {

// A selection that reaches noteCount replaces up to the end of the song.
constexpr int kOpenEnd = 99999;

// Returns the index after the last inserted note.
int insertPhrase(Song& song, int at, const std::vector<PhraseNote>& parsed, const OtoTable& oto,
                 RecordBuilder& record) {
  std::vector<Note> notes;
  notes.reserve(parsed.size());
  for (const auto& note : parsed) notes.push_back(makeNote(note.length, note.lyric, note.noteNumber, oto));
  at = insertNotes(song, at, std::move(notes));
  for (size_t i = 0; i < parsed.size(); ++i) {
    int index = at + static_cast<int>(i);
    record.putInFront(deleteLine(index, index));
  }
  return at + static_cast<int>(parsed.size());
}

// Returns the index after the last replaced note.
int replaceLyrics(Song& song, int at, int hi, const std::vector<PhraseNote>& parsed, const OtoTable& oto,
                  RecordBuilder& record, NoteSpan& changed) {
  for (const auto& note : parsed) {
    if (at >= song.noteCount || at > hi) break;
    while (at < song.noteCount && isRest(song[at].lyric)) ++at;
    // Skipping rests must not carry the lyric past the selection.
    if (at >= song.noteCount || at > hi) break;
    record.putInFront(noteLine(kPropKind, at, song[at]));
    setLyric(song[at], note.lyric, oto);
    changed.add(NoteSpan::of(at, at));
    ++at;
  }
  return at;
}

}  // namespace

PhraseEntry enterPhrase(Song& song, std::string_view phrase, PhraseMode mode, int defaultLength,
                        const OtoTable& oto) {
  std::vector<PhraseNote> parsed = parsePhrase(phrase, defaultLength);
  int start = std::clamp(std::min(song.selFirst, song.selLast), 0, song.noteCount);
  int high = std::max(song.selFirst, song.selLast);
  RecordBuilder record;
  PhraseEntry entry;
  int end = start;
  if (mode == PhraseMode::Insert || song.noteCount == 0) {
    end = insertPhrase(song, start, parsed, oto, record);
    if (end > start) entry.changed = NoteSpan::fromOn(start);
  } else {
    end = replaceLyrics(song, start, high == song.noteCount ? kOpenEnd : high, parsed, oto, record, entry.changed);
  }
  if (record.empty()) return entry;
  song.selFirst = start;
  song.selLast = end - 1;
  entry.record = record.record();
  return entry;
}

}  // namespace ruvo
