#include "project/project_batch.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "core/text_codec.h"
#include "core/text_file.h"
#include "project/document_io.h"
#include "support/expect_notes.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

std::string fileText(const std::string& path) {
  auto bytes = readFileBytes(path);
  return bytes ? *bytes : std::string("<missing>");
}

std::string crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += utf8ToCp932(line) + "\r\n";
  return text;
}

const std::vector<std::string> kJoin = {
    R"(@if exist "%output%.whd" ()",
    R"(  if exist "%output%.dat" ()",
    R"(    copy /Y "%output%.whd" /B + "%output%.dat" /B "%output%")",
    R"(    del "%output%.whd" "%output%.dat")",
    "  )",
    ")",
};

class ProjectBatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(bank());
    ASSERT_TRUE(writeTextLines(bank() + "/oto.ini", {"a.wav=あ,10,100,20,35", "ka_hi.wav=↑か,6,61,-90,45",
                                                     "ka.wav=か,5,60,-100,40"}));
    ASSERT_TRUE(writeTextLines(bank() + "/prefix.map", {"C5\t↑"}));
    song.voiceFolder = bank();
    song.tempoText = "120";
    song.projectFlags = "g-2";
    song.joinerPath = "/t/splicer";
    song.resamplerPath = "/t/resampler";
    tables.oto = *OtoTable::load(bank());
  }

  std::string bank() const { return dir / "bank"; }

  void add(const std::string& lyric, int length, int key, const std::string& props) {
    song.at(song.noteCount) = Note{lyric, length, key, props};
    ++song.noteCount;
  }

  // A rest, notes with a prefix and alias, a tempo change, an envelope, a
  // start offset, own flags, a short note and a tempo-named pitch curve.
  void buildSong() {
    add("R", 960, 36, "");
    add("あ", 1920, 36, "");
    add("か", 960, 48, "\t80\t\t\tB50\ttempo=150\\nenv=0 10 30 0 90 90 0\\nstp=20");
    add("R", 480, 36, "");
    add("あ", 120, 36, "30\t\t\t5Q120 1 2\t\t");
  }

  Result<std::string> write(const std::string& script, bool cache = true, int first = 0, int last = 99) {
    return writeScript(song, tables, {"テスト", script, first, last, "out.wav", cache});
  }

  Song reload(const std::string& script) {
    Song loaded;
    clearSong(loaded, {bank(), "", ""});
    VoiceBankTables fresh;
    fresh.oto = *OtoTable::load(bank());
    EXPECT_TRUE(loadProjectBatch(loaded, fresh, script));
    return loaded;
  }

  TempFolder dir{"ruvo_project_batch"};
  Song song;
  VoiceBankTables tables;
};

}  // namespace

TEST_F(ProjectBatchTest, WritesTheExactScriptAndHelper) {
  buildSong();
  auto output = write(dir / "song.bat");
  ASSERT_TRUE(output);
  EXPECT_EQ(*output, "out.wav");
  std::vector<std::string> expected = {
      "@rem project=テスト",
      "@set tempo=120",
      "@set oto=" + bank(),
      "@set tool=/t/splicer",
      "@set resamp=/t/resampler",
      "@set output=out.wav",
      "@set helper=song_helper.bat",
      "@set cachedir=song.cache",
      "@set flag=g-2",
      "@set env=",
      "",
      R"(@del "%output%")",
      R"(@mkdir "%cachedir%")",
      "",
      R"("%tool%" "%output%" "%oto%\R.wav" 0 250.000 0 0)",
      "@set params=100 100 ",
      "@set env=0 5 35 0 100 100 0 35",
      "call %helper% a C4 535.000 35 10 600 100 20 1",
      "@set params=80 100 ",
      "@set flag=B50",
      "@set tempo=150",
      "@set env=0 10 30 0 90 90 0 45",
      "@set stp=20",
      "call %helper% ka_hi C5 245.000 45 6 300 61 -90 2",
      R"("%tool%" "%output%" "%oto%\R.wav" 0 100.000 0 0)",
      "@set params=100 100 5Q150 1 2",
      "@set flag=g-2",
      "@set env=5 25      30",
      "@set stp=",
      "call %helper% a C4 55.000 30 10 100 100 20 4",
      "",
  };
  expected.insert(expected.end(), kJoin.begin(), kJoin.end());
  EXPECT_EQ(fileText(dir / "song.bat"), crlf(expected));
  EXPECT_EQ(fileText(dir / "song_helper.bat"),
            crlf({R"(@if "%params%"=="100 100 " (set temp=%cachedir%\%1_%2_%6%cachetag%.wav) else (set temp=%cachedir%\%9_%1_%2_%6%cachetag%.wav))",
                  R"(@if not exist "%temp%" ("%resamp%" "%oto%\%1.wav" "%temp%" %2 100 %flag%L %5 %6 %7 %8 %params%))",
                  R"(@"%tool%" "%output%" "%temp%" 0%stp% %3 %env%)"}));
}

TEST_F(ProjectBatchTest, UncachedFormAndARangeStartingMidSong) {
  buildSong();
  ASSERT_TRUE(write(dir / "temp.bat", false, 3, 4));
  auto lines = splitLines(cp932ToUtf8(fileText(dir / "temp.bat")));
  // The tempo and envelope in force before the first written note carry over.
  EXPECT_EQ(lines[9], "@set env=0 10 30 0 90 90 0");
  EXPECT_EQ(lines[12], "");  // no @mkdir without the cache
  EXPECT_EQ(lines[13], R"("%tool%" "%output%" "%oto%\R.wav" 0 100.000 0 0)");
  EXPECT_EQ(lines[lines.size() - 8], "@del temp$$$.wav");
  EXPECT_EQ(fileText(dir / "temp_helper.bat"),
            crlf({"@set temp=temp$$$.wav",
                  R"(@"%resamp%" "%oto%\%1.wav" "%temp%" %2 100 %flag%L %5 %6 %7 %8 %params%)",
                  R"(@"%tool%" "%output%" "%temp%" 0%stp% %3 %env%)"}));
}

TEST_F(ProjectBatchTest, LoadRestoresTheNotesAndRewritesByteForByte) {
  buildSong();
  ASSERT_TRUE(write(dir / "song.bat"));
  Song loaded = reload(dir / "song.bat");
  ASSERT_EQ(loaded.noteCount, 5);
  EXPECT_EQ(loaded.projectName, "テスト");
  EXPECT_EQ(loaded.tempoText, "120");
  EXPECT_EQ(loaded.projectFlags, "g-2");
  EXPECT_EQ(loaded.outputFile, "out.wav");
  EXPECT_EQ(loaded.joinerPath, "/t/splicer");
  const std::vector<Note> expected = {
      {"R", 960, 36, "\t\t\t\t\ttempo=120.00"},
      {"あ", 1920, 36, "35\t100\t100\t\t\t"},
      {"か", 960, 48, "45\t80\t100\t\tB50\ttempo=150.00\\nenv=0 10 30 0 90 90 0\\nstp=20"},
      {"R", 480, 36, ""},
      {"あ", 120, 36, "30\t100\t100\t5Q150 1 2\t\tenv=5 25     \\nstp="},
  };
  ruvo::testing::expectNotes(loaded, expected);
  VoiceBankTables fresh;
  fresh.oto = *OtoTable::load(bank());
  ASSERT_TRUE(writeScript(loaded, fresh, {"テスト", dir / "again.bat", 0, 4, "out.wav", true}));
  std::string first = cp932ToUtf8(fileText(dir / "song.bat"));
  std::string second = cp932ToUtf8(fileText(dir / "again.bat"));
  for (size_t at = second.find("again"); at != std::string::npos; at = second.find("again"))
    second.replace(at, 5, "song");
  EXPECT_EQ(second, first);

  // A loaded song written and read again gives exactly the same notes.
  Song third = reload(dir / "again.bat");
  for (int i = 0; i < 5; ++i) EXPECT_EQ(third[i].props, loaded[i].props) << i;
}

TEST_F(ProjectBatchTest, TempoOnTheFirstNoteKeepsTheBoxTempo) {
  add("あ", 1920, 36, "35\t\t\t\t\ttempo=140");
  ASSERT_TRUE(write(dir / "song.bat"));
  auto lines = splitLines(cp932ToUtf8(fileText(dir / "song.bat")));
  EXPECT_EQ(lines[1], "@set tempo=120");
  EXPECT_EQ(lines[15], "@set tempo=140");
  Song loaded = reload(dir / "song.bat");
  EXPECT_EQ(loaded.tempoText, "120");
  EXPECT_EQ(loaded[0].props, "35\t100\t100\t\t\ttempo=140.00");
  EXPECT_EQ(loaded[0].length, 1920);
}

TEST_F(ProjectBatchTest, PreviousLengthUsesTheTempoItWasPlayedAt) {
  add("あ", 1920, 36, "35\t\t\t\t\t");
  add("か", 1920, 36, "40\t\t\t\t\ttempo=60");
  ASSERT_TRUE(write(dir / "song.bat"));
  Song loaded = reload(dir / "song.bat");
  EXPECT_EQ(loaded[0].length, 1920);
  EXPECT_EQ(loaded[1].length, 1920);
}

// Each song is written and read back twice: the first read gives the notes
// the script plays, and writing those gives the very same notes again.
TEST_F(ProjectBatchTest, ReadingBackGivesWhatTheScriptPlays) {
  const std::string kEnvelope = "env=0 10 30 0 90 90 0";
  const struct {
    const char* what;
    std::vector<Note> notes;
    std::vector<Note> read;
  } cases[] = {
      {"a rest of no length keeps its tempo change",
       {{"あ", 1920, 36, "35\t\t\t\t\t"},
        {"R", 0, 36, "\t\t\t\t\ttempo=60"},
        {"あ", 1920, 36, "35\t\t\t\t\t"}},
       {{"あ", 1920, 36, "35\t100\t100\t\t\t"},
        {"R", 0, 36, "\t\t\t\t\ttempo=60.00"},
        {"あ", 1920, 36, "35\t100\t100\t\t\t"}}},
      {"env and stp written once hold for the notes after",
       {{"か", 960, 36, "0\t\t\t\t\t" + kEnvelope + "\\nstp=20"},
        {"か", 960, 36, "0\t\t\t\t\t" + kEnvelope + "\\nstp=20"}},
       {{"か", 960, 36, "0\t100\t100\t\t\t" + kEnvelope + "\\nstp=20"},
        {"か", 960, 36, "0\t100\t100\t\t\t" + kEnvelope + "\\nstp=20"}}},
      {"only the tempo after the first Q is rewritten",
       {{"あ", 1920, 36, "35\t\t\t5112 0Q120 0Q2\t\ttempo=150"}},
       {{"あ", 1920, 36, "35\t100\t100\t5112 0Q150 0Q2\t\ttempo=150.00"}}},
      {"a key inside another entry's value is no entry",
       {{"あ", 1920, 36, "35\t\t\t\t\tenv=0 5 35 0 100 100 0 tempo=60"}},
       {{"あ", 1920, 36, "35\t100\t100\t\t\t"}}},
      {"an absurd pre-utterance reads as a minute, an absurd length as 16384 beats",
       {{"あ", 1920, 36, "1e18\t\t\t\t\t"}},
       {{"あ", kLongestReadLength, 36, "60000\t100\t100\t\t\t"}}},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.what);
    song.noteCount = 0;
    for (const Note& note : test.notes) add(note.lyric, note.length, note.noteNumber, note.props);
    ASSERT_TRUE(write(dir / "song.bat"));
    Song first = reload(dir / "song.bat");
    ASSERT_EQ(first.noteCount, static_cast<int>(test.read.size()));
    ruvo::testing::expectNotes(first, test.read);
    VoiceBankTables fresh;
    fresh.oto = *OtoTable::load(bank());
    ASSERT_TRUE(writeScript(first, fresh, {"テスト", dir / "again.bat", 0, 99, "out.wav", true}));
    Song second = reload(dir / "again.bat");
    ASSERT_EQ(second.noteCount, first.noteCount);
    ruvo::testing::expectNotes(second, test.read);
  }
}

TEST_F(ProjectBatchTest, SaveAsChoosesScriptCacheAndOutput) {
  add("あ", 1920, 36, "");
  SaveOptions options{dir / "work", true};
  std::filesystem::create_directories(options.workingFolder);
  song.outputFile = "mix";
  auto script = saveAsProjectBatch(song, tables, dir / "song", options);
  ASSERT_TRUE(script);
  EXPECT_EQ(*script, dir / "song.bat");
  EXPECT_EQ(song.cacheDir, dir / "song.cache");
  EXPECT_EQ(song.outputFile, "mix.wav");
  EXPECT_TRUE(std::filesystem::exists(dir / "song_helper.bat"));

  song.outputFile = "mix.WAV";
  script = saveAsProjectBatch(song, tables, dir / "SONG.BAT", options);
  EXPECT_EQ(*script, dir / "SONG.BAT");
  EXPECT_EQ(song.cacheDir, dir / "SONG.cache");
  EXPECT_EQ(song.outputFile, "mix.WAV");

  script = saveAsProjectBatch(song, tables, dir / "tune.wsq", options);
  EXPECT_EQ(*script, options.workingFolder + "/temp.bat");
  EXPECT_EQ(song.cacheDir, dir / "tune.cache");

  song.outputFile.clear();
  song.modified = true;
  script = saveAsProjectBatch(song, tables, "", options);
  EXPECT_EQ(*script, options.workingFolder + "/temp.bat");
  EXPECT_EQ(song.cacheDir, options.workingFolder + "/temp.cache");
  EXPECT_EQ(song.outputFile, "temp.wav");
  EXPECT_FALSE(song.modified);
}

TEST_F(ProjectBatchTest, StaleHelpersAreDeleted) {
  ASSERT_TRUE(writeFileBytes(dir / "song_helper1.bat", "x"));
  ASSERT_TRUE(writeFileBytes(dir / "song_HELPER_old.BAT", "x"));
  ASSERT_TRUE(writeFileBytes(dir / "other_helper.bat", "x"));
  add("あ", 480, 36, "");
  ASSERT_TRUE(write(dir / "song.bat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "song_helper1.bat"));
  EXPECT_FALSE(std::filesystem::exists(dir / "song_HELPER_old.BAT"));
  EXPECT_TRUE(std::filesystem::exists(dir / "other_helper.bat"));
  EXPECT_TRUE(std::filesystem::exists(dir / "song_helper.bat"));
}

TEST_F(ProjectBatchTest, UnknownLyricsAndRequestedLengthMultiples) {
  add("zz", 1920, 36, "");
  add("あ", 1920, 36, "\t\t\t\t\tstp=7");
  ASSERT_TRUE(write(dir / "song.bat"));
  auto lines = splitLines(cp932ToUtf8(fileText(dir / "song.bat")));
  EXPECT_EQ(lines[14], "@set params=100 100 ");
  EXPECT_EQ(lines[15], "@set env=0 5 35 0 100 100 0");
  EXPECT_EQ(lines[16], "call %helper% zz C4 500.000 0 0 550 0 0 0");
  EXPECT_EQ(lines[19], "@set stp=7");
  // 35 + 500 + 7 = 542 ms needs more than 25 and at most 75 ms of headroom.
  EXPECT_EQ(lines[20], "call %helper% a C4 535.000 35 10 600 100 20 1");
}

TEST_F(ProjectBatchTest, AppendKeepsTheProjectAndAddsNotes) {
  buildSong();
  ASSERT_TRUE(write(dir / "song.bat"));
  Song target;
  clearSong(target, {bank(), "", ""});
  target.projectName = "mine";
  target.at(0) = {"か", 480, 40, ""};
  target.noteCount = 1;
  VoiceBankTables fresh;
  fresh.oto = *OtoTable::load(bank());
  ASSERT_TRUE(appendProjectBatch(target, fresh, dir / "song.bat"));
  ASSERT_EQ(target.noteCount, 6);
  EXPECT_EQ(target.projectName, "mine");
  EXPECT_EQ(target.projectFlags, "");
  EXPECT_EQ(target[0].length, 480);  // the note already there is never adjusted
  EXPECT_EQ(target[3].lyric, "か");
  EXPECT_EQ(target[3].props, "45\t80\t100\t\tB50\ttempo=150.00\\nenv=0 10 30 0 90 90 0\\nstp=20");
  // The project flags of the target differ, so the note's own flags are kept.
  EXPECT_EQ(target[5].props, "30\t100\t100\t5Q150 1 2\tg-2\tenv=5 25     \\nstp=");
}

TEST_F(ProjectBatchTest, DamagedFilesLoadWhatTheyCan) {
  std::string junk = "@rem project=x\r\n@set params=1\r\ncall %helper% a C4\r\n@set params=90 80 c\r\n"
                     "@set flag=\x82\r\ncall %helper%\r\n\"%tool%\" \"%output%\" a b -5\r\n"
                     "@set pitches=1 2\r\nnot a call\r\n" +
                     std::string(200000, 'x') + "\r\n";
  for (int i = 0; i < 256; ++i) junk += static_cast<char>(i);
  ASSERT_TRUE(writeFileBytes(dir / "junk.bat", junk));
  Song loaded = reload(dir / "junk.bat");
  ASSERT_EQ(loaded.noteCount, 2);
  EXPECT_EQ(loaded[0].lyric, "あ");
  EXPECT_EQ(loaded[0].props, "\t\t\t\t\t");  // the record keeps its six fields
  EXPECT_EQ(loaded[1].noteNumber, -1);
  EXPECT_EQ(loaded[1].props, "\t90\t80\tc\t\xEF\xBF\xBD\t");

  std::mt19937 random(11);
  const std::vector<std::string> pieces = {"@set params=", "@set tempo=", "@set env=", "@set flag=", "call %helper% ",
                                           "\"%tool%\" \"%output%\" ", "@set pitches=", " ", "\t", "0", "-3",
                                           "1e9", "C4", "\r\n", "\n", "\x82", "\xff", "あ", "@rem tempo=", "nan"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int k = 0; k < 60; ++k) text += pieces[random() % pieces.size()];
    ASSERT_TRUE(writeFileBytes(dir / "fuzz.bat", text));
    Song fuzzed = reload(dir / "fuzz.bat");
    EXPECT_GE(fuzzed.notes.size(), static_cast<size_t>(std::max(fuzzed.noteCount, 1)));
  }
}

TEST_F(ProjectBatchTest, MissingFileIsAnError) {
  Song loaded;
  EXPECT_FALSE(loadProjectBatch(loaded, tables, dir / "none.bat"));
}

TEST_F(ProjectBatchTest, TextFieldsUseMicrosoftsCodePage) {
  add("R", 480, 36, "");
  ASSERT_TRUE(writeScript(song, tables, {"波～線−", dir / "cp.bat", 0, 0, "出力～.wav", true}));
  std::string bytes = fileText(dir / "cp.bat");
  EXPECT_EQ(bytes.substr(0, 23), "@rem project=\x94\x67\x81\x60\x90\xFC\x81\x7C\r\n");
  Song loaded = reload(dir / "cp.bat");
  EXPECT_EQ(loaded.projectName, "波～線－");  // 81 7C reads back as the full-width hyphen-minus
  EXPECT_EQ(loaded.outputFile, "出力～.wav");
  ASSERT_TRUE(writeScript(loaded, tables, {loaded.projectName, dir / "cp.bat", 0, 0, loaded.outputFile, true}));
  EXPECT_EQ(fileText(dir / "cp.bat"), bytes);
}

TEST_F(ProjectBatchTest, PrefixesComeOffWithTheFilesOwnVoiceFolder) {
  add("か", 960, 48, "");
  ASSERT_TRUE(write(dir / "song.bat"));
  Song loaded;
  clearSong(loaded, {"", "", ""});  // no voice bank registered: no prefix map before the file
  VoiceBankTables fresh;
  ASSERT_TRUE(loadProjectBatch(loaded, fresh, dir / "song.bat"));
  EXPECT_EQ(loaded[0].lyric, "か");
  ASSERT_TRUE(writeScript(loaded, fresh, {"テスト", dir / "again.bat", 0, 0, "out.wav", true}));
  auto lines = splitLines(cp932ToUtf8(fileText(dir / "again.bat")));
  EXPECT_EQ(lines[16], "call %helper% ka_hi C5 295.000 45 6 350 61 -90 0");
}

namespace {

// A VCV bank: several aliases per recording, a prefix.map with a suffix.
class VcvProjectTest : public ProjectBatchTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(bank());
    ASSERT_TRUE(writeFileBytes(bank() + "/oto.ini",
                               "\xEF\xBB\xBF_ああか.wav=- あ,50,80,-300,60\r\n_ああか.wav=a あ,250,80,-300,60\r\n"
                               "_ああか.wav=a か,450,80,-300,60\r\n_ああか.wav=a か↑,450,80,-300,60\r\n"
                               "_いき.wav=- き,50,80,-300,60\r\n_いき.wav=i き,250,80,-300,60\r\n"));
    ASSERT_TRUE(writeFileBytes(bank() + "/prefix.map", "C5\t\t↑\r\n"));
    song.voiceFolder = bank();
    song.tempoText = "120";
    tables.oto = *OtoTable::load(bank());
  }
};

}  // namespace

TEST_F(VcvProjectTest, VcvLyricsComeBackExactlyAndCacheNamesDiffer) {
  add("あ", 1920, 36, "");    // "- あ" at the song's start
  add("a か", 1920, 36, "");  // an alias as typed
  add("か", 1920, 36, "");    // "a か" after a lyric ending in a
  add("か", 1920, 48, "");    // "a か↑" through the suffix of C5
  add("x y", 1920, 36, "");   // no entry: kept whole in quotes
  add("R", 1920, 36, "");
  add("き", 1920, 36, "");    // "- き" after a rest
  add("い", 1920, 36, "");    // no "i い" in the bank: sung as typed
  add("\"q", 1920, 36, "");  // a leading quote is quoted, so that it stays
  add("a%b\"", 1920, 36, "");
  ASSERT_TRUE(write(dir / "song.bat"));
  auto lines = splitLines(cp932ToUtf8(fileText(dir / "song.bat")));
  std::vector<std::string> calls;
  for (const auto& line : lines)
    if (line.starts_with("call ") || line.starts_with("@rem lyric=") || line.starts_with("@set cachetag="))
      calls.push_back(line);
  EXPECT_EQ(calls, (std::vector<std::string>{
                       "call %helper% _ああか C4 560.000 60 50 600 80 -300 0",
                       "@rem lyric=あ",
                       "@set cachetag=~450_80_-300",
                       "call %helper% _ああか C4 560.000 60 450 600 80 -300 1",
                       "call %helper% _ああか C4 560.000 60 450 600 80 -300 2",
                       "@rem lyric=か",
                       "call %helper% _ああか C5 560.000 60 450 600 80 -300 3",
                       "@rem lyric=か",
                       "@set cachetag=",
                       "call %helper% \"x y\" C4 500.000 0 0 550 0 0 4",
                       "call %helper% _いき C4 560.000 60 50 600 80 -300 6",
                       "@rem lyric=き",
                       "call %helper% い C4 500.000 0 0 550 0 0 7",
                       "call %helper% \"\"q\" C4 500.000 0 0 550 0 0 8",
                       "call %helper% a%b\" C4 500.000 0 0 550 0 0 9",
                   }));
  Song loaded = reload(dir / "song.bat");
  ASSERT_EQ(loaded.noteCount, song.noteCount);
  for (int i = 0; i < song.noteCount; ++i) EXPECT_EQ(loaded[i].lyric, song[i].lyric) << i;
  // Written again, the file is the same.
  ASSERT_TRUE(writeScript(loaded, tables, {"テスト", dir / "song.bat", 0, 99, "out.wav", true}));
  EXPECT_EQ(splitLines(cp932ToUtf8(fileText(dir / "song.bat"))), lines);
}

TEST_F(VcvProjectTest, LyricsAProjectFileCannotCarryAreRefusedByNote) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"x\ry", "note 1 (x\ry): the name 'x\ry' holds a line break"},
      {"a \"b", "note 1 (a \"b): the name 'a \"b' holds both a blank and a double quote"},
      {"♫", "note 1 (♫): the name '♫' holds a character the project file (CP932) cannot hold"},
  };
  for (const auto& [lyric, message] : cases) {
    song.noteCount = 0;
    add("あ", 960, 36, "");
    add(lyric, 960, 36, "");
    auto written = write(dir / "bad.bat");
    ASSERT_FALSE(written) << lyric;
    EXPECT_TRUE(written.error().message.starts_with(message)) << written.error().message;
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.bat"));
  }
}

TEST_F(ProjectBatchTest, EnvelopeAndStartOffsetOutsideABlockHoldForTheNotesAfter) {
  ASSERT_TRUE(writeTextLines(dir / "held.bat", {"@set tempo=120", "@set env=0 10 30 0 90 90 0", "@set stp=20", "",
                                                "@set params=100 100 ", "call %helper% a C4 500.000 0 10 550 100 20 0",
                                                "@set params=100 100 ", "@set env=0 5 35 0 100 100 0",
                                                "@set stp=", "call %helper% a C4 500.000 0 10 550 100 20 1"}));
  Song loaded = reload(dir / "held.bat");
  ASSERT_EQ(loaded.noteCount, 2);
  EXPECT_EQ(loaded[0].props, "0\t100\t100\t\t\tenv=0 10 30 0 90 90 0\\nstp=20");
  EXPECT_EQ(loaded[1].props, "0\t100\t100\t\t\tstp=");
}

TEST_F(VcvProjectTest, VcvLyricsSurviveEveryFormTheEditorSaves) {
  for (const char* lyric : {"あ", "a か", "か", "R", "き", "x y"}) add(lyric, 1920, 36, "");
  for (const std::string extension : {".bat", ".wsq", ".vsq"}) {
    Song saved = song;
    ASSERT_TRUE(saveDocumentAs(saved, tables, dir / ("song" + extension), SaveOptions{dir.path(), true})) << extension;
    Song loaded;
    VoiceBankTables fresh;
    OpenOptions options;
    options.defaults.voiceFolder = bank();
    options.chooseTrack = [](const std::vector<std::string>&) { return 1; };
    options.tracePath.clear();
    ASSERT_TRUE(loadDocument(loaded, fresh, dir / ("song" + extension), options)) << extension;
    ASSERT_EQ(loaded.noteCount, song.noteCount) << extension;
    for (int i = 0; i < song.noteCount; ++i) EXPECT_EQ(loaded[i].lyric, song[i].lyric) << extension << " " << i;
  }
}
