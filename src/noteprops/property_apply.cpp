#include "noteprops/property_apply.h"

#include <algorithm>

#include "editor/note_lines.h"
#include "noteprops/property_record.h"
#include "song/note_name.h"

namespace ruvo {

namespace {

// A note's record with the tempo line cut out of its extra commands.
PropFields fieldsWithoutTempo(const Note& note) {
  PropFields fields = splitProps(note.props);
  fields[kPropExtra] = cutTempoLine(fields[kPropExtra]).rest;
  return fields;
}

void mergePart(std::string& merged, const std::string& part) {
  if (merged != part) merged = std::string(kKeepValue);
}

void replacePart(std::string& own, const std::string& returned) {
  if (returned != kKeepValue) own = returned;
}

// Records the note's change: the line before, the names it was and is cached under.
void noteChanged(PropertyChange& change, int index, const std::string& lineBefore, const Note& before,
                 const Note& after) {
  change.undoRecord += lineBefore;
  change.undoRecord += kRecordLineBreak;
  ChangedNote changed{index, {{before.lyric, noteNameOf(before.noteNumber)}}};
  if (after.lyric != before.lyric || after.noteNumber != before.noteNumber) {
    changed.names.emplace_back(after.lyric, noteNameOf(after.noteNumber));
  }
  change.changed.push_back(std::move(changed));
  // A new length moves every later note on the roll.
  change.result.redraw.add(after.length != before.length ? NoteSpan::fromOn(index) : NoteSpan::of(index, index));
}

void finish(PropertyChange& change) {
  if (change.undoRecord.empty()) return;
  change.result.modifiedSet = true;
  change.result.journalChanged = true;
}

}  // namespace

std::optional<NoteRange> selectedRange(const Song& song) {
  int first = std::min(song.selFirst, song.selLast);
  int last = std::max(song.selFirst, song.selLast);
  if (last >= song.noteCount) last = song.noteCount - 1;
  if (first < 0 || first > last) return std::nullopt;
  return NoteRange{first, last};
}

PropertyValues singleValues(const Song& song, int index) {
  const Note& note = song[index];
  return PropertyValues{note.noteNumber, note.length, note.lyric, withFlagTriple(note.props), index};
}

PropertyValues mergedValues(const Song& song, NoteRange range) {
  const Note& first = song[range.first];
  PropertyValues merged{first.noteNumber, first.length, first.lyric, "", NotePropertyForm::kRangeId};
  PropFields fields = fieldsWithoutTempo(first);
  FlagTriple flags = flagTripleOf(fields[kPropFlags]);
  for (int i = range.first; i <= range.last; ++i) {
    const Note& note = song[i];
    PropFields own = fieldsWithoutTempo(note);
    for (size_t field : {kPropPreUtterance, kPropVolume, kPropModulation, kPropExtra}) {
      mergePart(fields[field], own[field]);
    }
    FlagTriple ownFlags = flagTripleOf(own[kPropFlags]);
    mergePart(flags.breath, ownFlags.breath);
    mergePart(flags.filter, ownFlags.filter);
    mergePart(flags.rest, ownFlags.rest);
    if (note.noteNumber != merged.note) merged.note = -1;
    if (note.length != merged.length) merged.length = -1;
    if (note.lyric != merged.lyric) merged.lyric = std::string(kKeepValue);
  }
  fields[kPropFlags] = joinTriple(flags);
  merged.props = joinProps(fields);
  return merged;
}

PropertyChange applySingle(Song& song, int index, const PropertyValues& values) {
  PropertyChange change;
  Note& note = song[index];
  Note before = note;
  std::string lineBefore = noteLine(kPropKind, index, note);
  note.props = values.props;
  note.lyric = values.lyric;
  if (values.length >= 0) note.length = values.length;
  note.noteNumber = values.note;
  if (noteLine(kPropKind, index, note) != lineBefore) {
    noteChanged(change, index, lineBefore, before, note);
    // One note's record is its line alone.
    change.undoRecord = lineBefore;
  }
  finish(change);
  return change;
}

PropertyChange applyRange(Song& song, NoteRange range, const PropertyValues& values) {
  PropertyChange change;
  PropFields returned = splitProps(values.props);
  FlagTriple returnedFlags = readTriple(returned[kPropFlags]);
  for (int i = range.first; i <= range.last; ++i) {
    Note& note = song[i];
    Note before = note;
    std::string lineBefore = noteLine(kPropKind, i, note);
    if (!values.props.empty()) {
      PropFields own = splitProps(note.props);
      for (size_t field : {kPropPreUtterance, kPropVolume, kPropModulation}) replacePart(own[field], returned[field]);
      if (values.id == NotePropertyForm::kClearedRangeId) own[kPropPitchCurve].clear();
      FlagTriple flags = flagTripleOf(own[kPropFlags]);
      replacePart(flags.breath, returnedFlags.breath);
      replacePart(flags.filter, returnedFlags.filter);
      replacePart(flags.rest, returnedFlags.rest);
      own[kPropFlags] = flags.breath + flags.filter + flags.rest;
      if (returned[kPropExtra] != kKeepValue) {
        own[kPropExtra] = withTempoLine(cutTempoLine(own[kPropExtra]).tempoLine, returned[kPropExtra]);
      }
      note.props = joinProps(own);
    }
    if (values.note >= 0) note.noteNumber = values.note;
    if (values.length >= 0) note.length = values.length;
    if (values.lyric != kKeepValue) note.lyric = values.lyric;
    if (noteLine(kPropKind, i, note) != lineBefore) noteChanged(change, i, lineBefore, before, note);
  }
  finish(change);
  return change;
}

}  // namespace ruvo
