// sound_measure: the figures of docs/SOUND.md, measured without the code
// under test (the pitch by the tests' own autocorrelation, clicks by the
// burst detector). scripts/measure_sound.sh drives it.
//
//   sound_measure tables FOLDER HZ        every *_wav.frq against one known pitch
//   sound_measure note WAV HZ [REF_WAV]   pitch and level of one rendered note
//   sound_measure song WAV NOTES          per sung note; NOTES lines: "START END HZ NAME" (s)
//   sound_measure bursts WAV              clicks

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "burst_detector.h"
#include "resampler/wav_reader.h"
#include "support/pitch_measure.h"
#include "voicebank/frq_table.h"

using ruvo::testing::cents;
using ruvo::testing::measureF0;
namespace fs = std::filesystem;

namespace {

double percentile(std::vector<double> values, double share) {
  if (values.empty()) return NAN;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<size_t>(share * static_cast<double>(values.size())))];
}

std::vector<double> absolute(std::vector<double> values) {
  for (double& value : values) value = std::abs(value);
  return values;
}

double levelDb(std::span<const float> samples) {
  double sum = 0;
  for (float s : samples) sum += static_cast<double>(s) * s;
  return 10 * std::log10(std::max(sum / std::max<size_t>(1, samples.size()), 1e-20));
}

// Offsets in cents every 10 ms over [from, to) seconds.
std::vector<double> pitchOffsets(std::span<const float> samples, int rate, double from, double to, double hz) {
  std::vector<double> offsets;
  for (double t = from; t < to; t += 0.01)
    if (const double f = measureF0(samples, static_cast<long>(t * rate), 2048, nullptr, rate); f > 0)
      offsets.push_back(cents(f, hz));
  return offsets;
}

int tables(const std::string& folder, double hz) {
  int tableCount = 0, off20 = 0, off50 = 0;
  long frames = 0, frames20 = 0, frames50 = 0;
  double worstMedian = 0, worstFrame = 0;
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.size() > 8 && name.ends_with("_wav.frq")) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    auto table = ruvo::readFrq(folder + "/" + name.substr(0, name.size() - 8) + ".wav");
    if (!table) continue;
    ++tableCount;
    std::vector<double> offsets;
    for (int i = 0; i < table->header.frameCount; ++i)
      if (const double f = table->values[2 * static_cast<size_t>(i)]; f != 55.0) offsets.push_back(cents(f, hz));
    const auto sizes = absolute(offsets);
    const long n20 = std::count_if(sizes.begin(), sizes.end(), [](double c) { return c > 20; });
    const long n50 = std::count_if(sizes.begin(), sizes.end(), [](double c) { return c > 50; });
    frames += static_cast<long>(offsets.size());
    frames20 += n20;
    frames50 += n50;
    off20 += n20 > 0;
    off50 += n50 > 0;
    const double median = percentile(offsets, 0.5);
    const double worst = sizes.empty() ? 0 : *std::max_element(sizes.begin(), sizes.end());
    worstMedian = std::max(worstMedian, std::abs(median));
    worstFrame = std::max(worstFrame, worst);
    if (n20 > 0) std::printf("  %-12s %4zu voiced, %3ld > 20 c, %3ld > 50 c, median %+.1f c, worst %.0f c\n", name.c_str(), offsets.size(), n20, n50, median, worst);
  }
  std::printf("tables %d, voiced frames %ld; frames > 20 c: %ld in %d tables; > 50 c: %ld in %d tables; "
              "largest |median| %.2f c; worst frame %.0f c\n",
              tableCount, frames, frames20, off20, frames50, off50, worstMedian, worstFrame);
  return 0;
}

int note(const std::string& path, double hz, const std::string& referencePath) {
  auto audio = ruvo::resampler::readMonoWav(path);
  if (!audio) return std::fprintf(stderr, "%s\n", audio.error().message.c_str()), 1;
  const auto& s = audio->samples;
  const int rate = audio->sampleRate;
  const double seconds = static_cast<double>(s.size()) / rate;
  // The steady middle: from 20 % to 90 % of the note.
  const auto from = static_cast<size_t>(0.2 * static_cast<double>(s.size()));
  const auto to = static_cast<size_t>(0.9 * static_cast<double>(s.size()));
  const auto offsets = pitchOffsets(s, rate, 0.2 * seconds, 0.9 * seconds, hz);
  const double level = levelDb(std::span(s).subspan(from, to - from));
  double reference = level;
  if (!referencePath.empty()) {
    auto other = ruvo::resampler::readMonoWav(referencePath);
    if (!other) return std::fprintf(stderr, "%s\n", other.error().message.c_str()), 1;
    const auto& r = other->samples;
    const auto a = static_cast<size_t>(0.2 * static_cast<double>(r.size()));
    const auto b = static_cast<size_t>(0.9 * static_cast<double>(r.size()));
    reference = levelDb(std::span(r).subspan(a, b - a));
  }
  std::printf("median %+.2f c  p95 %.2f c  level %.1f dBFS  vs own pitch %+.1f dB  clicks %zu  samples %zu\n",
              percentile(offsets, 0.5), percentile(absolute(offsets), 0.95), level, level - reference,
              ruvo::resampler::test::findBursts(s, rate).size(), s.size());
  return 0;
}

int song(const std::string& path, const std::string& notesPath) {
  auto audio = ruvo::resampler::readMonoWav(path);
  if (!audio) return std::fprintf(stderr, "%s\n", audio.error().message.c_str()), 1;
  const auto& s = audio->samples;
  const int rate = audio->sampleRate;
  std::ifstream notes(notesPath);
  std::string line;
  double worst = 0, loudest = -200, quietest = 0;
  int count = 0;
  std::vector<double> joins;
  while (std::getline(notes, line)) {
    std::istringstream fields(line);
    double start = 0, end = 0, hz = 0;
    std::string name;
    if (!(fields >> start >> end >> hz >> name)) continue;
    joins.push_back(start);
    // The sung vowel: the middle of the note, clear of the consonant and
    // of the crossfade into the next note.
    const double from = start + 0.25 * (end - start);
    const double to = start + 0.8 * (end - start);
    const auto offsets = pitchOffsets(s, rate, from, to, hz);
    const double median = percentile(offsets, 0.5);
    const double level = levelDb(std::span(s).subspan(static_cast<size_t>(from * rate), static_cast<size_t>((to - from) * rate)));
    std::printf("  %7.2f s %-6s %7.2f Hz  median %+7.2f c  p95 %6.2f c  level %6.1f dBFS\n", start, name.c_str(), hz,
                median, percentile(absolute(offsets), 0.95), level);
    worst = std::max(worst, std::abs(median));
    loudest = std::max(loudest, level);
    quietest = std::min(quietest, level);
    ++count;
  }
  std::printf("notes %d; largest |median| %.2f c; level spread %.1f dB\n", count, worst, loudest - quietest);
  for (const auto& burst : ruvo::resampler::test::findBursts(s, rate)) {
    double nearest = 1e9;
    for (double join : joins) nearest = std::abs(join - burst.seconds) < std::abs(nearest) ? join - burst.seconds : nearest;
    std::printf("click at %.3f s: %.1f dBFS above 12 kHz, %.1f dB over its surrounding, %+.0f ms to the nearest note start\n",
                burst.seconds, burst.levelDb, burst.riseDb, -nearest * 1000);
  }
  return 0;
}

int bursts(const std::string& path) {
  auto audio = ruvo::resampler::readMonoWav(path);
  if (!audio) return std::fprintf(stderr, "%s\n", audio.error().message.c_str()), 1;
  const auto found = ruvo::resampler::test::findBursts(audio->samples, audio->sampleRate);
  for (const auto& burst : found) std::printf("click at %.3f s: %.1f dBFS, +%.1f dB\n", burst.seconds, burst.levelDb, burst.riseDb);
  std::printf("clicks %zu\n", found.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "tables") return tables(args[1], std::stod(args[2]));
  if ((args.size() == 3 || args.size() == 4) && args[0] == "note")
    return note(args[1], std::stod(args[2]), args.size() == 4 ? args[3] : "");
  if (args.size() == 3 && args[0] == "song") return song(args[1], args[2]);
  if (args.size() == 2 && args[0] == "bursts") return bursts(args[1]);
  std::fprintf(stderr, "usage: sound_measure tables FOLDER HZ | note WAV HZ [REF_WAV] | song WAV NOTES | bursts WAV\n");
  return 2;
}
