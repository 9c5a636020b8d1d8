// Applying the property dialog to one note or a range: what the notes hold
// afterwards, the undo record that gives them back, the cached renderings
// that go.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>

#include "editor/undo_apply.h"
#include "noteprops/note_cache_files.h"
#include "noteprops/note_sound.h"
#include "noteprops/property_apply.h"
#include "noteprops/property_record.h"
#include "support/temp_folder.h"

using namespace ruvo;

namespace {

Song songOf(std::vector<Note> notes) {
  Song song;
  song.noteCount = static_cast<int>(notes.size());
  song.notes = std::move(notes);
  song.notes.push_back(Note{});
  song.selFirst = 0;
  song.selLast = song.noteCount;
  return song;
}

std::vector<std::string> propsOf(const Song& song) {
  std::vector<std::string> all;
  for (int i = 0; i < song.noteCount; ++i) all.push_back(song[i].props);
  return all;
}

// Opens the range dialog over the whole song, lets `edit` act, presses OK.
PropertyChange throughRangeDialog(Song& song, const std::function<void(NotePropertyForm&)>& edit) {
  NoteRange range = *selectedRange(song);
  NotePropertyForm form(mergedValues(song, range));
  edit(form);
  return applyRange(song, range, form.accept());
}

TEST(PropertyApply, RangeDialogChangesOnlyWhatTheUserSet) {
  const std::vector<Note> start{
      {"a", 960, 36, "10\t80\t\t1Q120 5\tB50N\ttempo=150\\nenv=0 5"},
      {"i", 960, 38, "10\t90\t\t2Q120 5\tB50g-2\ttempo=140"},
  };
  struct Case {
    const char* name;
    std::function<void(NotePropertyForm&)> edit;
    std::vector<std::string> props;
  };
  const Case cases[] = {
      {"nothing set changes nothing", [](auto&) {}, {start[0].props, start[1].props}},
      {"mixed volumes stay when the offset is set",
       [](auto& f) { f.edit(PropertyBox::Offset, "30"); },
       {"30\t80\t\t1Q120 5\tB50N\ttempo=150\\nenv=0 5", "30\t90\t\t2Q120 5\tB50g-2\ttempo=140"}},
      {"new extra commands go behind each note's own tempo line",
       [](auto& f) { f.edit(PropertyBox::Others, "stp=4"); },
       {"10\t80\t\t1Q120 5\tB50N\ttempo=150\\nstp=4", "10\t90\t\t2Q120 5\tB50g-2\ttempo=140\\nstp=4"}},
      {"the filter set on joins each note's flags",
       [](auto& f) {
         f.clickCheck();  // greyed to unchecked
         f.clickCheck();  // to checked
       },
       {"10\t80\t\t1Q120 5\tB50N\ttempo=150\\nenv=0 5", "10\t90\t\t2Q120 5\tB50Ng-2\ttempo=140"}},
      {"Clear empties values and curves",
       [](auto& f) { f.clear(); },
       {"\t\t\t\t\ttempo=150\\nenv=0 5", "\t\t\t\t\ttempo=140"}},
  };
  for (const auto& c : cases) {
    Song song = songOf(start);
    PropertyChange change = throughRangeDialog(song, c.edit);
    EXPECT_EQ(propsOf(song), c.props) << c.name;
    EXPECT_EQ(change.undoRecord.empty(), c.props == propsOf(songOf(start))) << c.name;
    applyUndoRecord(song, change.undoRecord);
    EXPECT_EQ(propsOf(song), propsOf(songOf(start))) << c.name;
  }
}

TEST(PropertyApply, MergedValuesShowWhatTheNotesShare) {
  Song song = songOf({{"a", 960, 36, "10\t80\t\t1\tB50N\ttempo=150\\nx"}, {"a", 480, 36, "10\t90\t\t2\tB50\tx"}});
  PropertyValues merged = mergedValues(song, *selectedRange(song));
  EXPECT_EQ(merged.props, "10\t*\t\t1\tB50,*,\tx");
  EXPECT_EQ(merged.length, -1);
  EXPECT_EQ(merged.note, 36);
  EXPECT_EQ(merged.lyric, "a");
}

TEST(PropertyApply, SingleNoteStoresEverythingAndRecordsOneLine) {
  Song song = songOf({{"a", 960, 36, "\t\t\t\tB50Nxyz\t"}});
  NotePropertyForm unchanged(singleValues(song, 0));
  EXPECT_TRUE(applySingle(song, 0, unchanged.accept()).undoRecord.empty());
  EXPECT_EQ(song[0].props, "\t\t\t\tB50Nxyz\t");

  NotePropertyForm form(singleValues(song, 0));
  form.edit(PropertyBox::Length, "240");
  form.setNote(40);
  form.setPitchCurve("5Q120 3");
  PropertyChange change = applySingle(song, 0, form.accept());
  EXPECT_EQ(song[0].length, 960);
  EXPECT_EQ(song[0].noteNumber, 40);
  EXPECT_EQ(song[0].props, "\t\t\t5Q120 3\tB50Nxyz\t");
  ASSERT_EQ(change.changed.size(), 1u);
  EXPECT_EQ(change.changed[0].names.size(), 2u);  // cached as C4 and as E4
  EXPECT_TRUE(change.result.modifiedSet);
  applyUndoRecord(song, change.undoRecord);
  EXPECT_EQ(song[0].noteNumber, 36);
  EXPECT_EQ(song[0].props, "\t\t\t\tB50Nxyz\t");
}

TEST(PropertyApply, TempoLinesAndFlagTriples) {
  struct Cut {
    const char* field;
    const char* tempo;
    const char* rest;
  };
  for (const Cut& c : {Cut{"tempo=150\\nenv=1", "tempo=150\\n", "env=1"}, Cut{"env=1\\ntempo=150", "tempo=150", "env=1"},
                       Cut{"a\\ntempo=1\\nb", "tempo=1\\n", "a\\nb"}, Cut{"env=1", "", "env=1"}}) {
    TempoCut cut = cutTempoLine(c.field);
    EXPECT_EQ(cut.tempoLine, c.tempo) << c.field;
    EXPECT_EQ(cut.rest, c.rest) << c.field;
  }
  EXPECT_EQ(withTempoLine("tempo=150", "env=1"), "tempo=150\\nenv=1");
  EXPECT_EQ(readTriple("B5,N,g-5,Mt3"), (FlagTriple{"B5", "N", "g-5,Mt3"}));
  EXPECT_EQ(withFlagTriple("\t\t\t\tg-5NB20\t"), "\t\t\t\tB20,N,g-5\t");
}

TEST(NoteCacheFiles, FindsAndDeletesTheNotesRenderings) {
  ruvo::testing::TempFolder folder;
  for (const char* name : {"3_a_C4_550.wav", "a_C4_550.wav", "13_a_C4_550.wav", "a_D4_550.wav", "3_x.txt"}) {
    std::ofstream(folder / name) << "x";
  }
  EXPECT_EQ(cachedRenderingOf(folder.path(), 3, "a", "C4"), folder / "3_a_C4_550.wav");
  EXPECT_EQ(cachedRenderingOf(folder.path(), 4, "a", "C4"), folder / "a_C4_550.wav");
  EXPECT_EQ(cachedRenderingOf(folder.path(), 4, "a", "E4"), folder / "a_E4.wav");
  EXPECT_EQ(deleteCachedRenderings(folder.path(), 3, "a", "C4").value_or(-1), 2);
  for (const char* kept : {"13_a_C4_550.wav", "a_D4_550.wav", "3_x.txt"}) {
    EXPECT_TRUE(std::filesystem::exists(folder / kept)) << kept;
  }
  EXPECT_EQ(deleteCachedRenderings(folder / "missing", 3, "a", "C4").value_or(-1), 0);
}

}  // namespace

namespace {

TEST(NoteSound, RecordingTimingAndPreUtteranceOfTheNote) {
  Song song;
  song.voiceFolder = "/voices/bank";
  song.tempoText = "120";
  VoiceBankTables tables;
  tables.oto = OtoTable::fromLines({"a.wav=あ,40,80,-20,35,10"});
  NoteSound sound = noteSoundOf(song, tables, "あ", 36, 1920, projectCacheFolder(song, "/tmp/w"));
  EXPECT_EQ(sound.recordingPath, "/voices/bank/a.wav");
  EXPECT_EQ(sound.noteName, "C4");
  EXPECT_EQ(sound.cacheFolder, "/tmp/w/temp.cache");
  EXPECT_EQ((std::vector{sound.sampleOffset, sound.sampleFixed, sound.sampleTail, sound.lengthMs}),
            (std::vector{40, 80, -20, 500}));
  EXPECT_EQ(preUtteranceFor(sound, ""), 35);
  EXPECT_EQ(preUtteranceFor(sound, "12.6"), 13);
  song.voiceFolder.clear();
  EXPECT_EQ(noteSoundOf(song, tables, "あ", 36, 1920, "").recordingPath, "");
}

}  // namespace
