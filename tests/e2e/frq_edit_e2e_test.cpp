// A frequency table with an octave error over the later part of the
// recording (the frames read twice the recording's pitch, as a pitch
// analysis sometimes reports) renders a note whose end goes astray; the user
// halves that region through the table editor's model and writes it, and
// the note rendered again with the real tools sings its pitch throughout.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/paths.h"
#include "project/project_batch.h"
#include "support/pitch_measure.h"
#include "support/run_process.h"
#include "support/temp_folder.h"
#include "support/test_bank.h"
#include "voicebank/frq_editor.h"
#include "voicebank/voice_bank.h"
#include "voicebank/wave_samples.h"

using namespace ruvo;
using ruvo::testing::runProcess;
using ruvo::testing::TempFolder;

namespace {

const std::string kBin = RUVO_BIN_DIR;
constexpr double kRate = 44100;
constexpr int kKey = 36;  // C4
constexpr double kC4 = 261.6255653005986;

// Renders one two-beat note of あ at C4 from `bank`; the output's samples.
std::vector<float> renderNote(const TempFolder& dir, const std::string& bank, int* preUtterance) {
  Song song;
  song.tempoText = "120";
  song.voiceFolder = bank;
  song.joinerPath = kBin + "/splicer";
  song.resamplerPath = kBin + "/resampler";
  song.outputFile = "out.wav";
  VoiceBankTables tables;
  tables.oto = *OtoTable::load(bank);
  std::string recording = "あ";
  *preUtterance = static_cast<int>(tables.oto.getAlias(recording).number(OtoEntry::kPreUtterance));
  song.at(0) = Note{"あ", 3840, kKey, std::to_string(*preUtterance) + "\t\t\t\t\t"};
  song.noteCount = 1;
  // No cache: the second render must resample the recording again.
  EXPECT_TRUE(saveAsProjectBatch(song, tables, dir / "song.bat", {dir.path(), false}));
  std::filesystem::remove(dir / "out.wav");
  auto run = runProcess(kBin + "/ruvo-cli", {"render", dir / "song.bat", "--settings", dir / "setting.ini"});
  EXPECT_EQ(run.status, 0) << run.err;
  auto wave = readWaveSamples(dir / "out.wav");
  EXPECT_TRUE(wave) << wave.error().message;
  return wave ? toUnitFloat(wave->samples) : std::vector<float>{};
}

TEST(FrqEditEndToEnd, HalvingARegionMendsTheRenderedPitch) {
  TempFolder dir("ruvo_frq_e2e");
  const auto& built = ruvo::testing::testBank(RUVO_SOURCE_DIR, kBin);
  ASSERT_EQ(built.error, "");
  const std::string bank = dir / "bank";
  std::filesystem::copy(built.folder, bank, std::filesystem::copy_options::recursive);
  const std::string recording = joinPath(bank, "a.wav");  // the recording of あ

  // The last third of the frames, from inside the vowel to the end.
  auto editor = FrqEditor::open(recording);
  ASSERT_TRUE(editor) << editor.error().message;
  const std::vector<double> original = editor->table().values;
  std::vector<int> region;
  for (int i = editor->frameCount() * 2 / 3; i < editor->frameCount(); ++i) region.push_back(i);
  auto rewrite = [&](FrqScale how) {
    editor->setSelection(region);
    editor->scale(how);
    ASSERT_TRUE(editor->write().written);
  };

  rewrite(FrqScale::Double);
  int preUtterance = 0;
  const std::vector<float> astray = renderNote(dir, bank, &preUtterance);
  ASSERT_FALSE(astray.empty());
  rewrite(FrqScale::Half);
  EXPECT_EQ(FrqEditor::open(recording)->table().values, original);
  const std::vector<float> mended = renderNote(dir, bank, &preUtterance);
  ASSERT_FALSE(mended.empty());

  // 250 and 400 ms into the note come from frames before the region, 900 ms
  // from inside it.
  auto centsAt = [&](const std::vector<float>& samples, double ms) {
    const long centre = std::lround((preUtterance + ms) * kRate / 1000);
    return ruvo::testing::cents(ruvo::testing::measureF0(samples, centre, 2048), kC4);
  };
  for (double ms : {250.0, 400.0}) EXPECT_LT(std::fabs(centsAt(astray, ms)), 30.0) << ms << " ms, octave error";
  EXPECT_GT(std::fabs(centsAt(astray, 900)), 300.0) << "900 ms, octave error";
  for (double ms : {250.0, 400.0, 900.0}) EXPECT_LT(std::fabs(centsAt(mended, ms)), 30.0) << ms << " ms, mended";
}

}  // namespace
