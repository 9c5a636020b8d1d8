// The voice-bank dialogs on the offscreen platform: the settings dialog
// opened on a bank of 1000 oto.ini entries over 500 recordings (listing,
// reading, claiming, sorting, the list filled and the first frame painted),
// and the sample editor opened on a 10-second recording (the file read and
// the waveform drawn).

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include <QImage>

#include "gui/voicebank/oto_settings_dialog.h"
#include "gui/voicebank/sample_editor_dialog.h"
#include "media/sdl_audio/sdl_audio_output.h"
#include "support/scripted_answers.h"
#include "support/temp_folder.h"
#include "support/wave_bytes.h"

namespace {

using ruvo::testing::TempFolder;

void writeBytes(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// 500 recordings named r000.wav.. with two aliases each, the lines in
// reverse order so the sort has work to do.
void makeBank(const TempFolder& dir) {
  const std::string wave = ruvo::testing::monoWave(std::vector<int16_t>(441, 0));
  std::string oto;
  for (int i = 499; i >= 0; --i) {
    char name[16];
    std::snprintf(name, sizeof name, "r%03d.wav", i);
    writeBytes(dir / name, wave);
    for (const char* vowel : {"a", "i"})
      oto += std::string(name) + "=- " + vowel + std::to_string(i) + ",12,80,-200,40,10\r\n";
  }
  writeBytes(dir / "oto.ini", oto);
}

void OpenOtoSettingsDialog(benchmark::State& state) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  TempFolder dir("oto_bench");
  makeBank(dir);
  ruvo::testing::ScriptedPrompts prompts{ruvo::testing::lenient};
  ruvo::testing::ScriptedFileChooser files{ruvo::testing::lenient};
  ruvo::SdlAudioOutput output;
  ruvo::MediaService media(output);
  for (auto _ : state) {
    ruvo::gui::OtoSettingsDialog dialog(nullptr, {dir.path(), "- a250", "", dir.path(), false},
                                        {prompts, files, media, {}, {}});
    if (dialog.form().rows().size() != 1000) state.SkipWithError("row count");
    dialog.show();
    QImage frame = dialog.grab().toImage();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(OpenOtoSettingsDialog)->Unit(benchmark::kMillisecond);

void OpenSampleEditor(benchmark::State& state) {
  TempFolder dir("sample_bench");
  std::vector<int16_t> samples(441000);
  for (size_t k = 0; k < samples.size(); ++k) samples[k] = static_cast<int16_t>(9000 * std::sin(k * 0.0373));
  const std::string path = dir / "ten_seconds.wav";
  writeBytes(path, ruvo::testing::monoWave(samples));
  for (auto _ : state) {
    auto wave = ruvo::readWaveSamples(path);
    if (!wave) state.SkipWithError("read");
    ruvo::gui::SampleEditorDialog dialog(nullptr, "ten_seconds.wav", std::move(*wave), {100, 200, 300, 150});
    dialog.resize(900, 360);
    dialog.show();
    QImage frame = dialog.grab().toImage();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(OpenSampleEditor)->Unit(benchmark::kMillisecond);

}  // namespace
