// Renders a song end to end on a small voice bank made by the test, through
// ruvo-cli, ruvo-batch, the resampler and splicer, and checks what comes out
// by measuring it: length, the pitch of every note, silent rests, the cache.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "core/text_file.h"
#include "project/project_batch.h"
#include "render/render_messages.h"
#include "support/pitch_measure.h"
#include "support/run_process.h"
#include "support/temp_folder.h"
#include "voicebank/wave_samples.h"

using namespace ruvo;
using ruvo::testing::runProcess;
using ruvo::testing::TempFolder;

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
    s_bank = new TempFolder("ruvo_e2e_bank");
    auto made = runProcess("/bin/bash", {std::string(RUVO_SOURCE_DIR) + "/voicebanks/make_test_bank.sh",
                                         s_bank->path(), kBin});
    ASSERT_EQ(made.status, 0) << made.err;
  }
  static void TearDownTestSuite() {
    delete s_bank;
    s_bank = nullptr;
  }

  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(*s_bank / "oto.ini"));
    song.tempoText = "120";
    song.voiceFolder = s_bank->path();
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
  }

  ruvo::testing::ProcessResult render() {
    return runProcess(kBin + "/ruvo-cli", {"render", dir / "song.bat", "--settings", dir / "setting.ini"});
  }

  int resamplerStarts() const {
    auto log = readTextLines(dir / "resampler_starts.log");
    return log ? static_cast<int>(std::count(log->begin(), log->end(), "start")) : 0;
  }

  // The pre-utterance a note takes from the bank, as the render does.
  double preUtterance(const SongNote& note) {
    std::string sample = tables.prefix.getPrefix(note.key, song.voiceFolder) + note.lyric;
    return tables.oto.getAlias(sample).number(OtoEntry::kPreUtterance);
  }

  static TempFolder* s_bank;
  TempFolder dir{"ruvo_e2e"};
  Song song;
  VoiceBankTables tables;
};

TempFolder* RenderEndToEnd::s_bank = nullptr;

}  // namespace

TEST_F(RenderEndToEnd, SongRendersWithTheRightLengthPitchesAndSilentRests) {
  auto run = render();
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "out.wavを作成しました。\n");
  auto wave = readWaveSamples(dir / "out.wav");
  ASSERT_TRUE(wave) << wave.error().message;
  ASSERT_EQ(wave->sampleRate, 44100);
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
