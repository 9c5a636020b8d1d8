// The resampler program driven as a render drives it, on synthetic
// recordings whose pitch, timing and level are known.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "core/text_file.h"
#include "resampler/wav_writer.h"
#include "support/temp_folder.h"
#include "test_signals.h"
#include "voicebank/frq_table.h"

using namespace ruvo;
using namespace ruvo::resampler;
using namespace ruvo::resampler::test;
using ruvo::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

// A3 = 220 Hz is note 33; the recording: 50 ms silence, 60 ms burst, vowel.
class ResamplerRun : public ::testing::Test {
 protected:
  void SetUp() override {
    m_input = m_dir / "a.wav";
    m_output = m_dir / "out.wav";
    ASSERT_TRUE(writeFloatWav(m_input, makeVoice({}), kRate));
  }

  std::vector<float> render(const std::vector<std::string>& args) {
    std::vector<std::string> all = {m_input, m_output};
    all.insert(all.end(), args.begin(), args.end());
    std::string errors;
    EXPECT_EQ(runResampler(all, &errors), 0) << errors;
    return readOutput(m_output);
  }

  // f0 every 10 ms between two times (ms) of an output.
  static std::vector<double> track(std::span<const float> out, double fromMs, double toMs) {
    std::vector<double> values;
    for (double ms = fromMs; ms <= toMs; ms += 10) {
      const double f = measureF0(out, static_cast<long>(ms * kRate / 1000), 1024);
      if (f > 0) values.push_back(f);
    }
    return values;
  }
  static double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
  }

  TempFolder m_dir{"ruvo_resampler"};
  std::string m_input, m_output;
};

}  // namespace

TEST_F(ResamplerRun, HitsTheTargetPitchAnOctaveEitherSide) {
  const char* notes[] = {"A2", "C3", "Eb3", "A3", "C#4", "F4", "A4"};
  const int numbers[] = {21, 24, 27, 33, 37, 41, 45};
  for (int i = 0; i < 7; ++i) {
    const auto out = render({notes[i], "100", "", "60", "1000", "60", "-1500", "100", "100"});
    ASSERT_EQ(out.size(), 44100u);
    const double target = 440.0 * std::pow(2.0, (numbers[i] - 45) / 12.0);
    const auto f0 = track(out, 150, 950);
    ASSERT_GT(f0.size(), 70u) << notes[i];
    EXPECT_NEAR(cents(median(f0), target), 0.0, 5.0) << notes[i];
  }
}

TEST_F(ResamplerRun, ModulationZeroFlattensTheRecordingsVibrato) {
  ASSERT_TRUE(writeFloatWav(m_input, makeVoice({.vibratoCents = 40}), kRate));
  double middle = 0;
  auto spread = [&](const std::string& modulation) {
    const auto out = render({"C4", "100", "", "60", "1200", "60", "-1500", "100", modulation});
    const auto f0 = track(out, 150, 1150);
    middle = median(f0);
    double widest = 0;
    for (double f : f0) widest = std::max(widest, std::abs(cents(f, middle)));
    return widest;
  };
  EXPECT_LT(spread("0"), 3.0);
  EXPECT_NEAR(cents(middle, 261.6256), 0.0, 5.0);
  EXPECT_GT(spread("100"), 25.0);  // kept when asked for
}

TEST_F(ResamplerRun, PitchCurveStepLandsOnItsPoint) {
  // Tempo 120: one point every floor(0.625 / 120 x 44100 + 0.5) = 230 samples.
  std::vector<std::string> args = {"A3", "100", "", "60", "1000", "60", "-1500", "100", "100", "0Q120"};
  for (int i = 1; i < 190; ++i) args.push_back(i < 100 ? "0" : "100");
  const auto out = render(args);
  int crossing = -1;
  for (int point = 60; point < 150 && crossing < 0; ++point) {
    const double f = measureF0(out, point * 230, 1024);
    if (f > 0 && cents(f, 220.0) > 50) crossing = point;
  }
  EXPECT_GE(crossing, 99);
  EXPECT_LE(crossing, 101);
  const auto after = track(out, 150.0 * 230 / 44.1 + 20, 950);
  EXPECT_NEAR(cents(median(after), 220.0), 100.0, 10.0);
}

TEST_F(ResamplerRun, LengthIsExactAndTheConsonantKeepsItsTiming) {
  for (const char* length : {"650", "123.4", "1", "0", "3000"}) {
    const auto out = render({"E3", "100", "L", "20", length, "100", "-300"});
    EXPECT_EQ(out.size(), static_cast<size_t>(std::nearbyint(std::stod(length) * 44.1))) << length;
  }
  // Offset 20 ms: the burst runs 30..90 ms into the output, however much
  // the vowel is stretched (300 ms of recording to 3 s) or re-pitched.
  const auto out = render({"E3", "100", "", "20", "3000", "100", "-300"});
  auto loud = [&](double ms) { return rms(std::span(out).subspan(static_cast<size_t>(ms * 44.1), 44)); };
  EXPECT_LT(loud(28), 0.002);
  EXPECT_GT(loud(32), 0.02);
  EXPECT_GT(loud(88), 0.02);
  EXPECT_EQ(static_cast<int>(measureF0(out, static_cast<long>(70 * 44.1), 1024)), 0);
}

TEST_F(ResamplerRun, VelocityLengthensTheConsonant) {
  // Velocity 0 doubles the consonant: the burst now ends at 30 + 120 ms.
  const auto out = render({"A3", "0", "", "20", "1000", "100", "-300"});
  auto loud = [&](double ms) { return rms(std::span(out).subspan(static_cast<size_t>(ms * 44.1), 44)); };
  EXPECT_LT(loud(57), 0.002);
  EXPECT_GT(loud(63), 0.02);
  EXPECT_GT(loud(145), 0.02);
  EXPECT_EQ(measureF0(out, static_cast<long>(140 * 44.1), 512), 0.0);
  EXPECT_NEAR(cents(measureF0(out, static_cast<long>(260 * 44.1), 1024), 220.0), 0.0, 5.0);
}

TEST_F(ResamplerRun, VolumeFiftyHalvesTheAmplitude) {
  const auto full = render({"G3", "100", "", "60", "800", "60", "-900", "100"});
  const auto half = render({"G3", "100", "", "60", "800", "60", "-900", "50"});
  const double db = 20 * std::log10(rms(half) / rms(full));
  EXPECT_NEAR(db, -6.0206, 0.5);
}

TEST_F(ResamplerRun, LoudNotesAreLimitedNotWrappedAndCarryNoDc) {
  ASSERT_TRUE(writeFloatWav(m_input, makeVoice({.amplitude = 0.9}), kRate));
  const auto out = render({"A4", "100", "", "60", "1000", "60", "-1500", "400", "100"});
  float peak = 0;
  for (float s : out) peak = std::max(peak, std::abs(s));
  // Held at 0.49, so that two overlapping notes stay below full scale.
  EXPECT_LE(peak, 0.491f);
  EXPECT_GT(peak, 0.45f);
  double sum = 0;
  for (float s : out) sum += s;
  EXPECT_LT(std::abs(sum / static_cast<double>(out.size())), 1e-3);
  // Limiting scales samples down and keeps their signs; a wrapped sample
  // would turn a loud crest into a trough.
  const auto plain = render({"A4", "100", "", "60", "1000", "60", "-1500", "100", "100"});
  ASSERT_EQ(plain.size(), out.size());
  for (size_t n = 0; n < out.size(); ++n)
    if (std::abs(plain[n]) > 0.001f) {
      ASSERT_EQ(plain[n] > 0, out[n] > 0) << n;
    }
}

TEST_F(ResamplerRun, WritesAFrequencyTableThatReadsBack) {
  std::string errors;
  ASSERT_EQ(runResampler({m_input, m_dir / "temp.wav", "100", "100", "GN", "0", "100"}, &errors), 0);
  EXPECT_FALSE(fs::exists(m_dir / "temp.wav"));
  EXPECT_EQ(errors, "");
  ASSERT_EQ(runResampler({m_input, m_dir / "temp.wav", "H4", "100", "", "0", "100"}, &errors), 0);
  EXPECT_NE(errors.find("'H4' is not a note name"), std::string::npos);
  EXPECT_FALSE(fs::exists(m_dir / "temp.wav"));
  auto table = readFrq(m_input);
  ASSERT_TRUE(table) << table.error().message;
  EXPECT_EQ(table->header.identifier, "RUVOFRQ1");
  EXPECT_EQ(table->header.frameCount, 345);  // ceil(88200 / 256)
  EXPECT_NEAR(cents(table->header.average, 220.0), 0.0, 5.0);
  for (int frame = 0; frame < 8; ++frame) EXPECT_EQ(table->values[2 * frame], 55.0) << frame;    // silence
  for (int frame = 10; frame < 16; ++frame) EXPECT_EQ(table->values[2 * frame], 55.0) << frame;  // burst
  for (int frame = 30; frame < 340; ++frame) EXPECT_NEAR(cents(table->values[2 * frame], 220.0), 0.0, 5.0) << frame;
}

TEST_F(ResamplerRun, AnExistingTableWinsUntilGAsksForANewOne) {
  // A table that says the recording has no pitch at all: the vowel is then
  // carried as it is, at its own 220 Hz, instead of being moved to A4
  // (1000 ms from 1000 ms: played at the recorded pace).
  FrqTable table;
  table.header.frameCount = 345;
  table.values.assign(690, 55.0);
  ASSERT_TRUE(writeFrq(table, m_input));
  auto out = render({"A4", "100", "", "60", "1000", "60", "-1000"});
  EXPECT_NEAR(cents(median(track(out, 150, 950)), 220.0), 0.0, 5.0);
  EXPECT_EQ(readFrq(m_input)->values[100], 55.0);

  out = render({"A4", "100", "G", "60", "1000", "60", "-1500"});
  EXPECT_NEAR(cents(median(track(out, 150, 950)), 440.0), 0.0, 5.0);
  EXPECT_NE(readFrq(m_input)->values[100], 55.0);
  EXPECT_TRUE(fs::exists(m_dir / "a_wav.bak"));
}

TEST_F(ResamplerRun, FormantFlagsMoveTheSpectrumAndRendersRepeat) {
  // An octave down, where the harmonics sample the envelope densely.
  const std::vector<std::string> base = {"A2", "100", "", "60", "1000", "60", "-1500"};
  auto withFlags = [&](const std::string& flags) {
    auto args = base;
    args[2] = flags;
    const auto out = render(args);
    return centroid(out, 22050, 4096);
  };
  const double kept = withFlags("");
  EXPECT_LT(withFlags("N"), kept * 0.77);  // the envelope follows the octave down
  EXPECT_LT(withFlags("g100"), kept * 0.95);
  EXPECT_GT(withFlags("g-100"), kept * 1.05);

  const auto first = readFileBytes((render(base), m_output));
  const auto second = readFileBytes((render(base), m_output));
  EXPECT_EQ(*first, *second);
}

TEST_F(ResamplerRun, BreathinessScalesTheAperiodicPart) {
  // The vowel with added noise: how far the output is from perfectly
  // periodic (1 - the peak of its normalised autocorrelation) grows with
  // the noise it carries.
  ASSERT_TRUE(writeFloatWav(m_input, makeVoice({.noise = 0.05}), kRate));
  auto aperiodicity = [&](const std::string& flags) {
    const auto out = render({"A3", "100", flags, "60", "800", "60", "-900", "100", "0"});
    std::vector<double> values;
    for (double ms = 150; ms <= 750; ms += 20) {
      double periodicity = 0;
      measureF0(out, static_cast<long>(ms * 44.1), 1024, &periodicity);
      values.push_back(1 - periodicity);
    }
    return median(values);
  };
  const double unchanged = aperiodicity("B50");
  EXPECT_LT(aperiodicity("B0"), unchanged * 0.6);
  EXPECT_GT(aperiodicity("B100"), unchanged * 1.5);
}

TEST_F(ResamplerRun, ReadsOtherRatesAndFormats) {
  // 22050 Hz: converted, so the 220 Hz vowel still sounds at the asked pitch.
  auto voice = makeVoice({});
  std::vector<float> halfRate;
  for (size_t n = 0; n < voice.size(); n += 2) halfRate.push_back(voice[n]);
  ASSERT_TRUE(writePcm16Wav(m_input, halfRate, 22050));
  const auto out = render({"D4", "100", "", "60", "500", "60", "-1000"});
  ASSERT_EQ(out.size(), 22050u);
  EXPECT_NEAR(cents(median(track(out, 150, 450)), 293.6648), 0.0, 5.0);
  int rate = 0;
  readOutput(m_output, &rate);
  EXPECT_EQ(rate, 44100);
}

TEST_F(ResamplerRun, BadInputFailsWithOneLineAndNoOutput) {
  struct Case {
    std::vector<std::string> args;
    const char* says;
  };
  ASSERT_TRUE(writeFileBytes(m_dir / "junk.wav", "RIFF\x10\0\0\0WAVEfmt nonsense"));
  ASSERT_TRUE(writeFloatWav(m_dir / "empty.wav", std::vector<float>{}, kRate));
  const std::vector<Case> cases = {
      {{m_dir / "missing.wav", m_output, "C4", "100", "", "0", "500", "0", "0"}, "missing.wav"},
      {{m_dir / "junk.wav", m_output, "C4", "100", "", "0", "500", "0", "0"}, "junk.wav"},
      {{m_dir / "empty.wav", m_output, "C4", "100", "", "0", "500", "0", "0"}, "no samples"},
      {{m_input, m_output, "C4", "100", "", "abc", "500", "0", "0"}, "OFFSET 'abc'"},
      {{m_input, m_output, "C4", "100", "", "0", "500ms", "0", "0"}, "LENGTH '500ms'"},
      {{m_input, m_output, "C4", "100", "", "0", "-5", "0", "0"}, "LENGTH '-5'"},
      {{m_input, m_output, "C4", "1e999", "", "0", "500", "0", "0"}, "VELOCITY"},
      {{m_input, m_output, "C4"}, "usage"},
      {{m_input, m_dir / "no/such/folder/out.wav", "C4", "100", "", "0", "500", "0", "0"}, "out.wav"},
  };
  for (const Case& c : cases) {
    std::string errors;
    EXPECT_NE(runResampler(c.args, &errors), 0) << c.says;
    EXPECT_NE(errors.find(c.says), std::string::npos) << errors;
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_FALSE(fs::exists(m_output)) << c.says;
  }
}

TEST_F(ResamplerRun, TimingValuesPastTheRecordingStillGiveTheLength) {
  for (const std::vector<std::string>& timing : std::vector<std::vector<std::string>>{
           {"5000", "60", "0"}, {"0", "9000", "0"}, {"100", "50", "5000"}, {"100", "50", "-0.01"}}) {
    const auto out = render({"C4", "100", "", timing[0], "700", timing[1], timing[2]});
    EXPECT_EQ(out.size(), 30870u);
  }
}
