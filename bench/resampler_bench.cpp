// In-process cost of the resampler's stages on a 2-second synthetic voice,
// and of one whole note (1 s) with and without making the frequency table.
// Whole-process figures come from bench/resampler_process.sh.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <numbers>

#include "resampler/command_line.h"
#include "resampler/pitch_analysis.h"
#include "resampler/pitch_marks.h"
#include "resampler/render_note.h"
#include "resampler/wav_writer.h"

using namespace ruvo::resampler;

namespace {

std::vector<float> voice() {
  std::vector<float> out(88200);
  for (size_t n = 0; n < out.size(); ++n) {
    double value = 0;
    for (int k = 1; k <= 30; ++k)
      value += std::sin(2 * std::numbers::pi * k * 220.0 * static_cast<double>(n) / 44100) / k;
    out[n] = static_cast<float>(0.2 * value);
  }
  return out;
}

std::string recording() {
  static const std::string path = [] {
    const auto folder = std::filesystem::temp_directory_path() / "ruvo_resampler_bench";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "a.wav").string();
    (void)writePcm16Wav(file, voice(), 44100);
    return file;
  }();
  return path;
}

void renderOnce(benchmark::State& state, const char* flags) {
  const std::string input = recording();
  const std::vector<std::string> args = {input, input + ".out.wav", "A4", "100", flags, "20", "1000", "60", "0"};
  auto request = parseCommandLine(args);
  (void)renderNote(*request);  // leaves a table behind for the runs without G
  for (auto _ : state) benchmark::DoNotOptimize(renderNote(*request));
}

void BM_AnalysePitch2s(benchmark::State& state) {
  const auto samples = voice();
  for (auto _ : state) benchmark::DoNotOptimize(analysePitch(samples));
}

void BM_PlacePitchMarks2s(benchmark::State& state) {
  const auto samples = voice();
  const std::vector<double> f0(345, 220.0);
  for (auto _ : state) benchmark::DoNotOptimize(placePitchMarks(samples, f0));
}

void BM_NoteWithTable(benchmark::State& state) { renderOnce(state, "L"); }
void BM_NoteMakingTable(benchmark::State& state) { renderOnce(state, "GL"); }

}  // namespace

BENCHMARK(BM_AnalysePitch2s)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlacePitchMarks2s)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NoteWithTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NoteMakingTable)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
