// Render scripts in the exact form the project writer produces, run end to
// end with the real wave joiner and a WAV-copying program in the
// resampler's place, compared with running the same joiner steps by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

#include "batch/interpreter.h"
#include "batch/program_runner.h"
#include "core/text_file.h"
#include "file_bytes.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

using namespace ruvo::batch;
using namespace ruvo::batch::test;
using ruvo::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

const std::string kSplicer = std::string(RUVO_BIN_DIR) + "/splicer";

// One second of a 16-bit mono 44100 Hz tone.
std::string toneWav(double hz) {
  std::vector<int16_t> samples(44100);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<int16_t>(8000 * std::sin(2 * M_PI * hz * static_cast<double>(i) / 44100));
  return ruvo::testing::monoWave(samples);
}

std::vector<std::string> header(const std::string& voice, const std::string& resampler, const std::string& output,
                                bool cache) {
  std::vector<std::string> lines = {"@rem project=テスト曲", "@set tempo=120", "@set oto=" + voice,
                                    "@set tool=" + kSplicer, "@set resamp=" + resampler, "@set output=" + output,
                                    "@set helper=song_helper.bat", "@set cachedir=song.cache", "@set flag=",
                                    "@set env=", "", "@del \"%output%\""};
  if (cache) lines.push_back("@mkdir \"%cachedir%\"");
  return lines;
}

// Two あ notes sharing one cached sound, a rest with a tempo change, a note
// with its own flags, curve, envelope and start offset, and a note with a
// further tempo change.
const std::vector<std::string> kNotes = {
    "",
    "@set params=100 100 ",
    "@set env=0 5 35 0 100 100 0 30",
    "call %helper% あ C4 530.000 30 0 600 0 0 0",
    "@set params=100 100 ",
    "@set env=0 5 35 0 100 100 0 30",
    "call %helper% あ C4 530.000 30 0 600 0 0 1",
    "@set tempo=140",
    R"("%tool%" "%output%" "%oto%\R.wav" 0 214.286 0 0)",
    "@set params=80 100 5Q140 10 20",
    "@set flag=g-5",
    "@set env=5 10 30 0 80 100 0 20",
    "@set stp=15",
    "call %helper% か D4 234.286 20 10 300 40 0 3",
    "@set params=100 100 ",
    "@set flag=",
    "@set tempo=90",
    "@set env=0 5 35 0 100 100 0 30",
    "@set stp=",
    "call %helper% あ C4 196.667 30 0 250 0 0 4",
    ""};

const std::vector<std::string> kJoin = {
    R"(@if exist "%output%.whd" ()", R"(  if exist "%output%.dat" ()",
    R"(    copy /Y "%output%.whd" /B + "%output%.dat" /B "%output%")", R"(    del "%output%.whd" "%output%.dat")", "  )",
    ")"};

const std::vector<std::string> kCachedHelper = {
    R"(@if "%params%"=="100 100 " (set temp=%cachedir%\%1_%2_%6.wav) else (set temp=%cachedir%\%9_%1_%2_%6.wav))",
    R"(@if not exist "%temp%" ("%resamp%" "%oto%\%1.wav" "%temp%" %2 100 %flag%L %5 %6 %7 %8 %params%))",
    R"(@"%tool%" "%output%" "%temp%" 0%stp% %3 %env%)"};

const std::vector<std::string> kUncachedHelper = {
    "@set temp=temp$$$.wav", R"(@"%resamp%" "%oto%\%1.wav" "%temp%" %2 100 %flag%L %5 %6 %7 %8 %params%)",
    R"(@"%tool%" "%output%" "%temp%" 0%stp% %3 %env%)"};

class RenderScript : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(kSplicer)) GTEST_SKIP() << "the wave joiner is not built: " << kSplicer;
    m_voice = m_dir / "voices x/声ソ";  // ソ ends in byte 5C in CP932
    put(m_voice + "/あ.wav", toneWav(440));
    put(m_voice + "/か.wav", toneWav(660));
    fs::copy_file(RUVO_COPY_RESAMPLER, m_dir / "resamp");
  }

  // The joiner steps of the script, run one by one, then glued together.
  std::string byHand() {
    const std::string ref = m_dir / "by_hand";
    fs::create_directories(ref);
    const std::vector<std::vector<std::string>> calls = {
        {"o.wav", m_voice + "/あ.wav", "0", "530.000", "0", "5", "35", "0", "100", "100", "0", "30"},
        {"o.wav", m_voice + "/あ.wav", "0", "530.000", "0", "5", "35", "0", "100", "100", "0", "30"},
        {"o.wav", m_voice + "/R.wav", "0", "214.286", "0", "0"},
        {"o.wav", m_voice + "/か.wav", "015", "234.286", "5", "10", "30", "0", "80", "100", "0", "20"},
        {"o.wav", m_voice + "/あ.wav", "0", "196.667", "0", "5", "35", "0", "100", "100", "0", "30"}};
    for (const auto& args : calls) EXPECT_EQ(spawnAndWait(kSplicer, args, ref, {}).value_or(-1), 0);
    return slurp(ref + "/o.wav.whd") + slurp(ref + "/o.wav.dat");
  }

  std::string run(const std::vector<std::string>& script, const std::vector<std::string>& helper) {
    EXPECT_TRUE(ruvo::writeTextLines(m_dir / "song.bat", script));
    EXPECT_TRUE(ruvo::writeTextLines(m_dir / "song_helper.bat", helper));
    std::ostringstream diagnostics;
    Interpreter interpreter(InterpreterOptions{m_dir.path(), Variables(), &diagnostics, {}});
    EXPECT_TRUE(interpreter.runFile("song.bat", {}));
    return diagnostics.str();
  }

  static std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
  }

  TempFolder m_dir;
  std::string m_voice;
};

}  // namespace

TEST_F(RenderScript, CachedRenderMatchesTheStepsByHand) {
  put(m_dir / "song.wav", "stale");
  std::string diagnostics = run(concat({header(m_voice, "resamp", "song.wav", true), kNotes, kJoin}), kCachedHelper);
  EXPECT_EQ(diagnostics, "progress 1 4\nprogress 2 4\nprogress 3 4\nprogress 4 4\n");
  EXPECT_EQ(slurp(m_dir / "song.wav"), byHand());
  EXPECT_FALSE(fs::exists(m_dir / "song.wav.whd"));
  EXPECT_FALSE(fs::exists(m_dir / "song.wav.dat"));
  EXPECT_EQ(slurp(m_dir / "song.cache/あ_C4_600.wav"), toneWav(440));
  EXPECT_EQ(slurp(m_dir / "song.cache/3_か_D4_300.wav"), toneWav(660));
  EXPECT_TRUE(fs::exists(m_dir / "song.cache/あ_C4_250.wav"));
  // The second あ C4 600 note is taken from the cache.
  EXPECT_EQ(slurp(m_dir / "resampler.log"),
            "[" + m_voice + "/あ.wav][song.cache/あ_C4_600.wav][C4][100][L][0][600][0][0][100][100]\n"
            "[" + m_voice + "/か.wav][song.cache/3_か_D4_300.wav][D4][100][g-5L][10][300][40][0][80][100][5Q140][10][20]\n"
            "[" + m_voice + "/あ.wav][song.cache/あ_C4_250.wav][C4][100][L][0][250][0][0][100][100]\n");
}

TEST_F(RenderScript, UncachedRenderToAnAbsoluteOutputMatchesTheStepsByHand) {
  const std::string output = m_dir / "out dir/mix.wav";
  fs::create_directories(m_dir / "out dir");
  run(concat({header(m_voice, m_dir / "resamp", output, false), kNotes, {"@del temp$$$.wav", ""}, kJoin}),
      kUncachedHelper);
  EXPECT_EQ(slurp(output), byHand());
  EXPECT_FALSE(fs::exists(output + ".whd"));
  EXPECT_FALSE(fs::exists(m_dir / "temp$$$.wav"));
  EXPECT_FALSE(fs::exists(m_dir / "song.cache"));
  std::string log = slurp(m_dir / "resampler.log");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);  // no cache: every note is resampled
}

TEST_F(RenderScript, OldOutputIsGoneWhenTheJoinerCannotRun) {
  put(m_dir / "song.wav", "stale");
  auto script = concat({header(m_voice, "resamp", "song.wav", true), kNotes, kJoin});
  script[3] = "@set tool=" + (m_dir / "no joiner");
  std::string diagnostics = run(script, kCachedHelper);
  EXPECT_FALSE(fs::exists(m_dir / "song.wav"));
  EXPECT_NE(diagnostics.find("song_helper.bat line 3: not a command or program: \"" + (m_dir / "no joiner") + "\""),
            std::string::npos);
}
