#include "render/cache_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/text_file.h"
#include "project/project_batch.h"
#include "render/script_calls.h"
#include "support/temp_folder.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

namespace fs = std::filesystem;

// Scripts written by the project writer, read back without running them.
class CacheCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir / "bank");
    ASSERT_TRUE(writeFileBytes(dir / "bank/a.wav", "recording a"));
    ASSERT_TRUE(writeFileBytes(dir / "bank/ka.wav", "recording ka"));
    ASSERT_TRUE(writeTextLines(dir / "bank/oto.ini", {"a.wav=あ,10,50,-20,40", "ka.wav=か,5,60,0,30"}));
    tables.oto = *OtoTable::load(dir / "bank");
    song.voiceFolder = dir / "bank";
    song.resamplerPath = "/opt/resampler";
    song.cacheDir = dir / "song.cache";
    song.projectFlags = "g5";
    song.tempoText = "120";
    song.notes = {{"あ", 960, 36, ""},
                  {"R", 480, 36, ""},
                  {"か", 960, 38, "\t80\t\t\tB5\t"},
                  {"あ", 960, 36, "\t\t\t10Q120 20\t\t"}};
    song.noteCount = 4;
  }

  void write() {
    ASSERT_TRUE(writeScript(song, tables, {"test", script(), 0, song.noteCount - 1, "out.wav", true}));
  }
  std::string script() const { return dir / "song.bat"; }
  // Stands in for the batch: every cached note the script names now exists.
  void makeCachedNotes() {
    fs::create_directories(dir / "song.cache");
    auto calls = readResamplerCalls(script());
    ASSERT_TRUE(calls);
    for (const ResamplerCall& call : *calls)
      ASSERT_TRUE(writeFileBytes(call.cacheFile, "note " + std::to_string(call.noteIndex)));
  }
  std::vector<std::string> cachedFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir / "song.cache"))
      if (entry.path().extension() == ".wav") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  // One render: check, "run", record.
  int render() {
    write();
    auto check = checkCache(script());
    EXPECT_TRUE(check);
    if (!check) return -1;
    makeCachedNotes();
    EXPECT_TRUE(recordCache(*check));
    return check->deleted;
  }

  TempFolder dir{"ruvo_cache"};
  Song song;
  VoiceBankTables tables;
};

}  // namespace

TEST_F(CacheCheckTest, CallsNameTheHelpersFilesAndEveryInput) {
  write();
  auto calls = readResamplerCalls(script());
  ASSERT_TRUE(calls);
  ASSERT_EQ(calls->size(), 3u);  // the rest calls the joiner only
  const ResamplerCall& plain = (*calls)[0];
  EXPECT_EQ(plain.noteIndex, 0);
  EXPECT_EQ(plain.cacheFolder, dir / "song.cache");
  EXPECT_EQ(plain.cacheName, "a_C4_350.wav");
  EXPECT_EQ(plain.cacheFile, dir / "song.cache/a_C4_350.wav");
  EXPECT_EQ(plain.resampler, "/opt/resampler");
  EXPECT_EQ(plain.recording, dir / "bank/a.wav");
  EXPECT_EQ(plain.arguments,
            (std::vector<std::string>{"C4", "100", "g5L", "10", "350", "50", "-20", "100", "100"}));
  // Its own volume, flags or curve put the note index in front of the name.
  EXPECT_EQ((*calls)[1].noteIndex, 2);
  EXPECT_EQ((*calls)[1].cacheName, "2_ka_D4_350.wav");
  EXPECT_EQ((*calls)[1].arguments,
            (std::vector<std::string>{"D4", "100", "B5L", "5", "350", "60", "0", "80", "100"}));
  EXPECT_EQ((*calls)[2].cacheName, "3_a_C4_350.wav");
  EXPECT_EQ((*calls)[2].arguments,
            (std::vector<std::string>{"C4", "100", "g5L", "10", "350", "50", "-20", "100", "100", "10Q120", "20"}));
}

TEST_F(CacheCheckTest, OnlyNotesWhoseInputsChangedAreDeleted) {
  EXPECT_EQ(render(), 0);  // nothing cached yet
  EXPECT_EQ(render(), 0);
  const std::vector<std::string> all = {"2_ka_D4_350.wav", "3_a_C4_350.wav", "a_C4_350.wav"};
  EXPECT_EQ(cachedFiles(), all);

  struct Change {
    const char* what;
    std::function<void()> apply;
    int deleted;
  };
  const std::vector<Change> changes = {
      {"note flags", [&] { song[2].props = "\t80\t\t\tB6\t"; }, 1},
      {"project flags", [&] { song.projectFlags = "g6"; }, 2},
      {"curve", [&] { song[3].props = "\t\t\t10Q120 30\t\t"; }, 1},
      {"oto.ini offset", [&] { ASSERT_TRUE(writeTextLines(dir / "bank/oto.ini", {"a.wav=あ,11,50,-20,40", "ka.wav=か,5,60,0,30"})); tables.oto = *OtoTable::load(dir / "bank"); }, 2},
      {"recording", [&] { ASSERT_TRUE(writeFileBytes(dir / "bank/ka.wav", "recording ka, again")); }, 1},
      {"frequency table", [&] { ASSERT_TRUE(writeFileBytes(dir / "bank/a_wav.frq", "table")); }, 2},
      {"resampler", [&] { song.resamplerPath = "/opt/other"; }, 3},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    change.apply();
    EXPECT_EQ(render(), change.deleted);
    EXPECT_EQ(render(), 0);
  }
}

TEST_F(CacheCheckTest, MissingOrDamagedIndexTrustsNoCachedNote) {
  EXPECT_EQ(render(), 0);
  const std::string index = dir / "song.cache/cache_index.txt";
  auto good = readFileBytes(index);
  ASSERT_TRUE(good);
  const std::vector<std::string> damaged = {
      "",
      "other header\n",
      good->substr(0, good->size() / 2),                   // cut inside an entry
      *good + "a_C4_350.wav\tx\ty\t12\n",                  // too few fields
      *good + "b.wav\tr\tq\tbig\t1\t-\t-\tC4\n",           // not a size
  };
  for (const std::string& text : damaged) {
    ASSERT_TRUE(writeFileBytes(index, text));
    EXPECT_EQ(render(), 3) << text;
  }
  fs::remove(index);
  EXPECT_EQ(render(), 3);
  // Entries whose files are gone do no harm.
  fs::remove(dir / "song.cache/a_C4_350.wav");
  EXPECT_EQ(render(), 0);
}

TEST_F(CacheCheckTest, ShiftedIndexedNotesAreMadeAgain) {
  song.notes = {{"あ", 960, 36, "\t\t\t10Q120 20\t\t"}, {"あ", 960, 36, "\t\t\t10Q120 30\t\t"}};
  song.noteCount = 2;
  EXPECT_EQ(render(), 0);
  song.notes.insert(song.notes.begin(), Note{"R", 480, 36, ""});
  song.noteCount = 3;
  // The first curve now has the name the second one was cached under.
  EXPECT_EQ(render(), 1);
  EXPECT_EQ(render(), 0);
}

TEST_F(CacheCheckTest, NotesWithOtherFlagsGetTheirOwnFile) {
  song[2] = Note{"あ", 960, 36, ""};  // named and made like note 0
  write();
  auto same = checkCache(script());
  ASSERT_TRUE(same);
  EXPECT_TRUE(same->warnings.empty());
  ASSERT_EQ(same->calls.size(), 3u);  // the rest makes no call
  EXPECT_EQ(same->calls[1].cacheName, "a_C4_350.wav");
  song[2].props = "\t\t\t\tB9/\t";  // other flags: the script tags the name
  write();
  auto other = checkCache(script());
  ASSERT_TRUE(other);
  EXPECT_TRUE(other->warnings.empty());
  EXPECT_EQ(other->calls[0].cacheName, "a_C4_350.wav");
  EXPECT_EQ(other->calls[1].cacheName, "a_C4_350~B9@2F.wav");
}

TEST(CacheIndex, RoundTripsAndRefusesWhatALineCannotHold) {
  TempFolder dir("ruvo_cache");
  CacheIndex index;
  NoteInputs inputs{"/r", "/bank/a.wav", {true, 12, -4'000'000'000'000'000'000}, {}, {"C4", "100", "L", "0", "600"}};
  index.set("a_C4_350.wav", inputs);
  index.set("tab.wav", NoteInputs{"/r", "/bank/a\tb.wav", {}, {}, {}});
  ASSERT_TRUE(index.save(dir.path()));
  CacheIndex back = CacheIndex::load(dir.path());
  EXPECT_EQ(back.size(), 1u);
  ASSERT_NE(back.find("a_C4_350.wav"), nullptr);
  EXPECT_EQ(*back.find("a_C4_350.wav"), inputs);
  EXPECT_EQ(back.find("tab.wav"), nullptr);
}
