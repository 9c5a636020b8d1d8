// Renders a song end to end on a small voice bank made by the test, through
// ruvo-cli, ruvo-batch, the resampler and splicer, and checks what comes out
// by measuring it: length, the pitch of every note, silent rests, the cache.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <set>

#include "core/numbers.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "project/project_batch.h"
#include "render/render_messages.h"
#include "render/script_calls.h"
#include "settings/trusted_programs.h"
#include "support/pitch_measure.h"
#include "support/run_process.h"
#include "support/temp_folder.h"
#include "support/test_bank.h"
#include "support/wave_bytes.h"
#include "voicebank/wave_samples.h"

using namespace ruvo;
using ruvo::testing::runProcess;
using ruvo::testing::TempFolder;
using ruvo::testing::testBank;

namespace {

const std::string kBin = RUVO_BIN_DIR;
constexpr double kRate = 44100;

struct SongNote {
  const char* lyric;
  int ticks;
  int key;
  const char* props;
  int centsOffset;  // the pitch curve's constant offset
};

// A dozen notes: rests, a tempo change, two notes at C5 that prefix.map sends
// to the lower "↑" recordings, and a note whose curve raises it a semitone.
const std::vector<SongNote> kSong = {
    {"あ", 960, 36, "", 0},
    {"か", 960, 38, "", 0},
    {"R", 480, 36, "", 0},
    {"さ", 960, 40, "\t\t\t\t\ttempo=150", 0},
    {"た", 960, 43, "", 0},
    {"あ", 960, 48, "", 0},
    {"R", 480, 36, "", 0},
    {"な", 960, 45, "\t\t\t100Q150 100 100 100\t\t", 100},
    {"か", 960, 48, "", 0},
    {"R", 480, 36, "", 0},
    {"さ", 960, 41, "", 0},
    {"あ", 1920, 36, "", 0},
};

double keyHz(double key) { return 440.0 * std::pow(2.0, (key + 24 - 69) / 12.0); }

class RenderEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto& bank = testBank(RUVO_SOURCE_DIR, kBin);
    ASSERT_EQ(bank.error, "");
    s_bank = bank.folder;
  }

  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(s_bank + "/oto.ini"));
    song.tempoText = "120";
    song.voiceFolder = s_bank;
    song.joinerPath = kBin + "/splicer";
    song.resamplerPath = RUVO_COUNTING_RESAMPLER;
    song.outputFile = "out.wav";
    song.projectName = "e2e";
    for (const SongNote& note : kSong) {
      song.at(song.noteCount) = Note{note.lyric, note.ticks, note.key, note.props};
      ++song.noteCount;
    }
    tables.oto = *OtoTable::load(song.voiceFolder);
    ASSERT_TRUE(saveAsProjectBatch(song, tables, dir / "song.bat", {dir.path(), true}));
    // The user has trusted the counting stand-in before.
    TrustedPrograms trusted;
    trusted.add(RUVO_COUNTING_RESAMPLER);
    ASSERT_TRUE(trusted.save(TrustedPrograms::fileBeside(dir / "setting.ini")));
  }

  ruvo::testing::ProcessResult render() {
    return runProcess(kBin + "/ruvo-cli", {"render", dir / "song.bat", "--settings", dir / "setting.ini"});
  }

  int resamplerStarts() const { return static_cast<int>(startedOutputs().size()); }

  // The output file of every resampler start so far, by file name, in order.
  std::vector<std::string> startedOutputs() const {
    std::vector<std::string> names;
    auto log = readTextLines(dir / "resampler_starts.log");
    if (!log) return names;
    for (const std::string& line : *log)
      if (line.starts_with("start ")) names.push_back(fileNameOf(line.substr(6)));
    return names;
  }

  void save() { ASSERT_TRUE(saveAsProjectBatch(song, tables, dir / "song.bat", {dir.path(), true})); }

  // A copy of the bank that this test may change.
  void useOwnBank() {
    std::filesystem::copy(s_bank, dir / "bank", std::filesystem::copy_options::recursive);
    song.voiceFolder = dir / "bank";
    tables.oto = *OtoTable::load(song.voiceFolder);
    save();
  }

  // Renders and gives the file names the resampler was started for, sorted.
  std::vector<std::string> renderStarts() {
    const size_t before = startedOutputs().size();
    auto run = render();
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> started = startedOutputs();
    started.erase(started.begin(), started.begin() + static_cast<long>(before));
    std::sort(started.begin(), started.end());
    return started;
  }

  // The cached files the render script names for these notes, sorted.
  std::vector<std::string> cacheNamesOf(const std::vector<int>& notes) const {
    auto calls = readResamplerCalls(dir / "song.bat");
    EXPECT_TRUE(calls);
    std::set<std::string> names;
    for (const ResamplerCall& call : calls ? *calls : std::vector<ResamplerCall>{})
      if (std::find(notes.begin(), notes.end(), call.noteIndex) != notes.end())
        names.insert(fileNameOf(call.cacheFile));
    return {names.begin(), names.end()};
  }

  std::string output() const { return readFileBytes(dir / "out.wav").value_or(""); }

  // What the same project renders to from an empty cache.
  std::string cleanRender() {
    std::filesystem::remove_all(dir / "song.cache");
    EXPECT_EQ(render().status, 0);
    return output();
  }

  void setField(int note, PropField field, const std::string& value) {
    PropFields props = splitProps(song[note].props);
    props[field] = value;
    song[note].props = joinFields(std::vector<std::string>(props.begin(), props.end()), "\t");
  }

  // Adds `ms` to the offset of the recording's line in the bank's oto.ini.
  void shiftOtoOffset(const std::string& recording, int ms) {
    const std::string path = dir / "bank/oto.ini";
    auto lines = readTextLines(path);
    ASSERT_TRUE(lines);
    bool found = false;
    for (std::string& line : *lines) {
      if (!line.starts_with(recording + "=")) continue;
      std::vector<std::string> fields = splitFields(line, ',');
      ASSERT_GE(fields.size(), 2u);
      fields[1] = std::to_string(static_cast<int>(leadingNumber(fields[1])) + ms);
      line = joinFields(fields, ",");
      found = true;
    }
    ASSERT_TRUE(found) << recording;
    ASSERT_TRUE(writeTextLines(path, *lines));
  }

  void touch(const std::string& recording) {
    const std::string path = dir / ("bank/" + recording);
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
  }

  // The recording sung again at half the volume: same size, new contents.
  void rerecordQuieter(const std::string& recording) {
    const std::string path = dir / ("bank/" + recording);
    auto wave = readWaveSamples(path);
    ASSERT_TRUE(wave);
    ruvo::testing::WaveSpec spec;
    spec.sampleRate = static_cast<uint32_t>(wave->sampleRate);
    for (int16_t sample : wave->samples) spec.samples.push_back(static_cast<int16_t>(sample / 2));
    ASSERT_TRUE(writeFileBytes(path, ruvo::testing::buildWave(spec)));
  }

  // The pre-utterance a note takes from the bank, as the render does.
  double preUtterance(const SongNote& note) {
    std::string sample = tables.prefix.getPrefix(note.key, song.voiceFolder) + note.lyric;
    return tables.oto.getAlias(sample).number(OtoEntry::kPreUtterance);
  }

  static std::string s_bank;
  TempFolder dir{"ruvo_e2e"};
  Song song;
  VoiceBankTables tables;
};

std::string RenderEndToEnd::s_bank;

}  // namespace

TEST_F(RenderEndToEnd, SongRendersWithTheRightLengthPitchesAndSilentRests) {
  auto run = render();
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "out.wavを作成しました。\n");
  auto wave = readWaveSamples(dir / "out.wav");
  ASSERT_TRUE(wave) << wave.error().message;
  ASSERT_EQ(wave->sampleRate, 44100);
  // Notes overlap at their joins: each leaves the headroom that needs.
  EXPECT_EQ(std::count_if(wave->samples.begin(), wave->samples.end(), [](int16_t s) { return s >= 32767 || s <= -32767; }), 0);
  std::vector<float> samples = toUnitFloat(wave->samples);

  // Note starts in ms from the beginning of the output, which begins the
  // first note's pre-utterance early.
  std::vector<double> startMs;
  std::vector<double> lengthMs;
  double tempo = 120;
  double at = preUtterance(kSong[0]);
  for (const SongNote& note : kSong) {
    if (std::string(note.props).find("tempo=150") != std::string::npos) tempo = 150;
    startMs.push_back(at);
    lengthMs.push_back(note.ticks / 1920.0 * 60.0 / tempo * 1000.0);
    at += lengthMs.back();
  }
  EXPECT_NEAR(static_cast<double>(samples.size()) / kRate * 1000.0, at, 50.0);

  for (size_t i = 0; i < kSong.size(); ++i) {
    size_t from = static_cast<size_t>((startMs[i] + 0.3 * lengthMs[i]) * kRate / 1000);
    size_t to = static_cast<size_t>((startMs[i] + 0.8 * lengthMs[i]) * kRate / 1000);
    if (std::string(kSong[i].lyric) == "R") {
      double next = i + 1 < kSong.size() ? preUtterance(kSong[i + 1]) : 0;
      size_t restFrom = static_cast<size_t>((startMs[i] + 5) * kRate / 1000);
      size_t restTo = static_cast<size_t>((startMs[i] + lengthMs[i] - next - 5) * kRate / 1000);
      float peak = 0;
      for (size_t n = restFrom; n < restTo && n < samples.size(); ++n) peak = std::max(peak, std::fabs(samples[n]));
      EXPECT_LT(peak, 0.003f) << "rest " << i;
      continue;
    }
    std::vector<double> pitches;
    for (size_t centre = from; centre < to; centre += 441) {
      double f0 = ruvo::testing::measureF0(samples, static_cast<long>(centre), 1024);
      if (f0 > 0) pitches.push_back(f0);
    }
    ASSERT_GE(pitches.size(), 3u) << "note " << i << " has no measurable pitch";
    std::nth_element(pitches.begin(), pitches.begin() + static_cast<long>(pitches.size() / 2), pitches.end());
    double median = pitches[pitches.size() / 2];
    double expected = keyHz(kSong[i].key + kSong[i].centsOffset / 100.0);
    EXPECT_LT(std::fabs(ruvo::testing::cents(median, expected)), 10.0)
        << "note " << i << ": " << median << " Hz against " << expected << " Hz";
  }
}

TEST_F(RenderEndToEnd, SecondRenderReusesTheCacheAndGivesTheSameBytes) {
  ASSERT_EQ(render().status, 0);
  int sung = static_cast<int>(std::count_if(kSong.begin(), kSong.end(),
                                            [](const SongNote& note) { return std::string(note.lyric) != "R"; }));
  EXPECT_EQ(resamplerStarts(), sung);
  auto first = readFileBytes(dir / "out.wav");
  ASSERT_TRUE(first);
  ASSERT_EQ(render().status, 0);
  EXPECT_EQ(resamplerStarts(), sung);
  EXPECT_EQ(*readFileBytes(dir / "out.wav"), *first);
}

TEST_F(RenderEndToEnd, MissingResamplerFailsWithoutLeavingAnOutput) {
  ASSERT_EQ(render().status, 0);
  ASSERT_TRUE(std::filesystem::exists(dir / "out.wav"));
  song.resamplerPath = dir / "no-such-resampler";
  ASSERT_TRUE(saveAsProjectBatch(song, tables, dir / "song.bat", {dir.path(), true}));
  auto run = render();
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(render_messages::kRenderFailed), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.wav"));
}

TEST_F(RenderEndToEnd, ChangedInputsMakeExactlyTheirNotesAgain) {
  useOwnBank();
  const std::vector<int> sung = {0, 1, 3, 4, 5, 7, 8, 10, 11};
  EXPECT_EQ(renderStarts(), cacheNamesOf(sung));
  std::string previous = output();

  struct Step {
    const char* what;
    std::function<void()> change;
    std::vector<int> notes;  // the notes whose resampler runs again
    bool sounds;             // whether the output changes
  };
  const std::vector<Step> steps = {
      {"a note's flags", [&] { setField(1, kPropFlags, "g-30"); save(); }, {1}, true},
      // Note 1 keeps its own flags.
      {"the project flags", [&] { song.projectFlags = "g20"; save(); }, {0, 3, 4, 5, 7, 8, 10, 11}, true},
      {"a pitch curve", [&] { setField(7, kPropPitchCurve, "50Q150 50 50 50"); save(); }, {7}, true},
      {"an oto.ini offset", [&] { shiftOtoOffset("sa.wav", 10); }, {3, 10}, true},
      {"a touched recording", [&] { touch("a.wav"); }, {0, 11}, false},
      {"a recording sung again", [&] { rerecordQuieter("ta.wav"); }, {4}, true},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.change();
    EXPECT_EQ(renderStarts(), cacheNamesOf(step.notes));
    const std::string bytes = output();
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes != previous, step.sounds);
    EXPECT_EQ(cleanRender(), bytes);
    previous = bytes;
  }
  // Nothing changed: nothing runs and the output is the same.
  EXPECT_EQ(renderStarts(), std::vector<std::string>{});
  EXPECT_EQ(output(), previous);
}

TEST_F(RenderEndToEnd, InsertingANoteBeforeCurvedNotesMakesTheShiftedNotesAgain) {
  // Two notes alike but for their curves are cached under their indices.
  song.notes = {{"な", 960, 45, "\t\t\t100Q120 100 100 100\t\t"},
                {"な", 960, 45, "\t\t\t-100Q120 -100 -100 -100\t\t"},
                {"あ", 960, 36, ""}};
  song.noteCount = 3;
  save();
  EXPECT_EQ(renderStarts().size(), 3u);
  const std::vector<std::string> before = cacheNamesOf({1});

  song.notes.insert(song.notes.begin(), Note{"R", 480, 36, ""});
  song.noteCount = 4;
  save();
  // The raised note now has the index the lowered one was cached under.
  ASSERT_EQ(cacheNamesOf({1}), before);
  EXPECT_EQ(renderStarts(), cacheNamesOf({1, 2}));
  const std::string bytes = output();
  EXPECT_EQ(cleanRender(), bytes);
}

TEST_F(RenderEndToEnd, DamagedCacheIndexTrustsNothing) {
  ASSERT_EQ(render().status, 0);
  const std::string first = output();
  ASSERT_TRUE(writeFileBytes(dir / "song.cache/cache_index.txt", "ruvo cache index 1\nbroken line\n"));
  EXPECT_EQ(renderStarts(), cacheNamesOf({0, 1, 3, 4, 5, 7, 8, 10, 11}));
  EXPECT_EQ(output(), first);
  EXPECT_EQ(renderStarts(), std::vector<std::string>{});
}
