// Close vowels, whose first formant sits on the fundamental or on the second
// harmonic, against open ones: the frequency tables the resampler writes for
// a bank made here, and notes rendered an octave either side.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "resampler/wav_writer.h"
#include "support/temp_folder.h"
#include "test_signals.h"
#include "voicebank/frq_table.h"

using namespace ruvo;
using namespace ruvo::resampler;
using namespace ruvo::resampler::test;
using ruvo::testing::TempFolder;

namespace {

struct Vowel {
  std::string name;
  std::vector<Formant> (*formants)(double f0, int harmonicOfF1);
  int harmonicOfF1;
};

std::vector<Formant> open(double, int) { return openVowel(); }

const std::vector<Vowel> kVowels = {
    {"a", open, 0},
    {"i1", closeFrontVowel, 1},
    {"i2", closeFrontVowel, 2},
    {"u1", closeBackVowel, 1},
    {"u2", closeBackVowel, 2},
};

VoiceSpec voiceOf(const Vowel& vowel, double f0) {
  VoiceSpec spec;
  spec.f0 = f0;
  spec.vowelMs = 1200;
  spec.noise = 0.003;
  spec.tiltDbPerOctave = -6;
  spec.formants = vowel.formants(f0, vowel.harmonicOfF1);
  return spec;
}

double median(std::vector<double> values) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

TEST(CloseVowels, EveryVoicedFrameOfEveryTableIsInTune) {
  TempFolder bank("ruvo_close_bank");
  for (const double f0 : {100.0, 150.0, 220.0, 261.63, 330.0, 440.0, 600.0}) {
    for (const Vowel& vowel : kVowels) {
      const std::string name = vowel.name + "_" + std::to_string(static_cast<int>(f0));
      const std::string recording = bank / (name + ".wav");
      ASSERT_TRUE(writeFloatWav(recording, makeVoice(voiceOf(vowel, f0)), kRate));
      ASSERT_EQ(runResampler({recording, bank / "temp.wav", "100", "100", "GN", "0", "100"}), 0) << name;
      auto table = readFrq(recording);
      ASSERT_TRUE(table) << name;
      std::vector<double> offsets;
      double worst = 0;
      for (int frame = 0; frame < table->header.frameCount; ++frame) {
        const double value = table->values[2 * static_cast<size_t>(frame)];
        if (value == 55.0) continue;
        offsets.push_back(cents(value, f0));
        if (std::abs(offsets.back()) > std::abs(worst)) worst = offsets.back();
      }
      // The vowel is 1200 ms of the recording: most of its 207 frames voiced.
      EXPECT_GT(offsets.size(), 190u) << name;
      EXPECT_LE(std::abs(worst), 20.0) << name;
      EXPECT_LE(std::abs(median(offsets)), 5.0) << name;
    }
  }
}

TEST(CloseVowels, NotesAnOctaveEitherSideKeepPitchAndLevel) {
  TempFolder folder("ruvo_close_notes");
  const double c4 = 261.63;
  for (const Vowel& vowel : kVowels) {
    const std::string recording = folder / (vowel.name + ".wav");
    ASSERT_TRUE(writeFloatWav(recording, makeVoice(voiceOf(vowel, c4)), kRate));
    double ownLevel = 0;
    for (const auto& [note, hz] : {std::pair{"C4", c4}, std::pair{"C3", c4 / 2}, std::pair{"C5", c4 * 2}}) {
      const std::string output = folder / "out.wav";
      // The vowel alone (it starts 110 ms in), 1100 ms of it into 1000 ms.
      ASSERT_EQ(runResampler({recording, output, note, "100", "", "110", "1000", "0", "-1100"}), 0);
      const std::vector<float> out = readOutput(output);
      ASSERT_EQ(out.size(), 44100u);
      std::vector<double> pitches;
      for (long at = 8820; at <= 39690; at += 441)
        if (const double f = measureF0(out, at, 2048); f > 0) pitches.push_back(cents(f, hz));
      const double level = 20 * std::log10(rms(std::span(out).subspan(8820, 30870)));
      if (ownLevel == 0) ownLevel = level;
      EXPECT_GT(pitches.size(), 60u) << vowel.name << " " << note;
      EXPECT_LE(std::abs(median(pitches)), 5.0) << vowel.name << " " << note;
      EXPECT_LE(std::abs(level - ownLevel), 3.0) << vowel.name << " " << note;
    }
  }
}
