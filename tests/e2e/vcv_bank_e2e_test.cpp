// A VCV voice bank of the test's own making (synthetic recordings, aliases
// with spaces, several aliases per recording) in the three forms banks come
// in: UTF-8 with CR LF, the same with a byte-order mark, and CP932. Each
// renders a short song through the real resampler and joiner, and every note
// is checked by measuring its pitch; no sample may reach full scale.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/text_codec.h"
#include "core/text_file.h"
#include "render/render_project.h"
#include "support/pitch_measure.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"
#include "voicebank/wave_samples.h"

using namespace ruvo;
using ruvo::testing::TempFolder;

namespace {

constexpr double kRate = 44100;
const std::string kBin = RUVO_BIN_DIR;

// 100 ms of silence, then a tone at 260 Hz with three harmonics: `quiet`
// amplitude for 600 ms, then `loud` for 600 ms, then 100 ms of silence.
std::string recording(double quiet, double loud) {
  std::vector<int16_t> samples(static_cast<size_t>(1.4 * kRate));
  for (size_t n = static_cast<size_t>(0.1 * kRate); n < static_cast<size_t>(1.3 * kRate); ++n) {
    const double t = static_cast<double>(n) / kRate;
    const double amplitude = t < 0.7 ? quiet : loud;
    double value = 0;
    for (int h = 1; h <= 4; ++h) value += std::sin(2 * M_PI * 260.0 * h * t) / h;
    samples[n] = static_cast<int16_t>(std::lround(value / 1.6 * amplitude * 32767));
  }
  return ruvo::testing::monoWave(samples);
}

// Aliases: "- あ" and "a あ" on the quiet half of _ああか, "a か" on its loud
// half; "- か" and "i か" on _かか.
const std::string kOto =
    "_ああか.wav=- あ,100,60,-500,40\r\n_ああか.wav=a あ,100,60,-500,40\r\n_ああか.wav=a か,700,60,-500,40\r\n"
    "_かか.wav=- か,100,60,-500,40\r\n_かか.wav=i か,100,60,-500,40\r\n";

double keyHz(int key) { return 440.0 * std::pow(2.0, (key + 24 - 69) / 12.0); }

class VcvBankEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir / "bank");
    ASSERT_TRUE(writeFileBytes(dir / "bank/_ああか.wav", recording(0.15, 0.6)));
    ASSERT_TRUE(writeFileBytes(dir / "bank/_かか.wav", recording(0.6, 0.6)));
    std::filesystem::create_directories(dir / "work");
    song.projectPath = dir / "song.bat";
    song.voiceFolder = dir / "bank";
    song.joinerPath = kBin + "/splicer";
    song.resamplerPath = kBin + "/resampler";
    song.outputFile = "out.wav";
    song.tempoText = "120";
  }

  void setNotes(const std::vector<Note>& notes) {
    song.noteCount = 0;
    for (const Note& note : notes) song.at(song.noteCount++) = note;
  }

  // Renders the song with `otoBytes` as the bank's oto.ini; the samples.
  std::vector<float> render(const std::string& otoBytes) {
    EXPECT_TRUE(writeFileBytes(dir / "bank/oto.ini", otoBytes));
    tables.oto = *OtoTable::load(song.voiceFolder);
    std::filesystem::remove_all(dir / "song.cache");
    RenderOutcome outcome = renderProject(
        song, tables, context, [](const std::string& proposed) { return std::optional<std::string>(proposed); }, {});
    EXPECT_TRUE(outcome.success && outcome.unrendered.empty()) << outcome.message;
    auto wave = readWaveSamples(dir / "out.wav");
    EXPECT_TRUE(wave);
    if (!wave) return {};
    int fullScale = 0;
    for (int16_t sample : wave->samples) fullScale += sample >= 32767 || sample <= -32767;
    EXPECT_EQ(fullScale, 0);
    return toUnitFloat(wave->samples);
  }

  // The middle of note i of a song of 1920-tick notes at 120 (500 ms each),
  // after the first note's pre-utterance of 40 ms.
  static long middleOf(int i) { return std::lround((40 + 500.0 * i + 250) * kRate / 1000); }

  TempFolder dir{"ruvo_vcv_e2e"};
  Song song;
  VoiceBankTables tables;
  RenderContext context{dir / "work", kBin + "/ruvo-batch", true, ToolTrust{{}, {}, true}};
};

}  // namespace

TEST_F(VcvBankEndToEnd, EveryFormOfTheBankSingsEveryNote) {
  // "あ" at the start is sung as "- あ", "か" after it as "a か", "か" after a
  // rest as "- か"; "a あ" is an alias typed as it stands.
  setNotes({{"あ", 1920, 36, ""}, {"か", 1920, 38, ""}, {"a あ", 1920, 40, ""}, {"R", 1920, 36, ""},
            {"か", 1920, 43, ""}});
  struct Form {
    std::string name;
    std::string bytes;
  };
  const std::vector<Form> forms = {{"UTF-8", kOto}, {"UTF-8 with mark", "\xEF\xBB\xBF" + kOto}, {"CP932", utf8ToCp932(kOto)}};
  for (const Form& form : forms) {
    const std::vector<float> samples = render(form.bytes);
    for (int i : {0, 1, 2, 4}) {
      double periodicity = 0;
      const double f0 = ruvo::testing::measureF0(samples, middleOf(i), 2048, &periodicity);
      EXPECT_NEAR(ruvo::testing::cents(f0, keyHz(song[i].noteNumber)), 0.0, 30.0) << form.name << " note " << i;
    }
    EXPECT_LT(ruvo::testing::rms(std::span(samples).subspan(static_cast<size_t>(middleOf(3)), 2000)), 0.001)
        << form.name;
  }
}

TEST_F(VcvBankEndToEnd, TwoAliasesOfOneRecordingEachSingTheirOwnEntry) {
  // Same key, same length, one recording: only the cache name can tell them
  // apart. Each must sound as it does rendered alone.
  auto levelOf = [&](const std::vector<float>& samples, int i) {
    return 20 * std::log10(ruvo::testing::rms(std::span(samples).subspan(static_cast<size_t>(middleOf(i)) - 2000, 4000)));
  };
  setNotes({{"- あ", 1920, 36, ""}, {"R", 1920, 36, ""}, {"a か", 1920, 36, ""}});
  const std::vector<float> both = render(kOto);
  setNotes({{"R", 1920, 36, ""}, {"R", 1920, 36, ""}, {"a か", 1920, 36, ""}});
  const std::vector<float> alone = render(kOto);
  ASSERT_FALSE(both.empty());
  ASSERT_FALSE(alone.empty());
  EXPECT_NEAR(levelOf(both, 2), levelOf(alone, 2), 0.5);
  EXPECT_GT(levelOf(both, 2) - levelOf(both, 0), 6.0);  // 0.6 against 0.15 in the recording: 12 dB
}
