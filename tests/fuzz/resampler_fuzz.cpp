// The resampler's command line after IN and OUT, as a render script passes
// it: the input split at blanks into NOTE VELOCITY FLAGS OFFSET LENGTH ...
// and the pitch curve. IN is a small recording (a quarter second of a sung
// vowel-like tone), OUT a file beside it. The output length is capped at
// half a second so that one run stays short; everything else is as given.

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "fuzz/scratch_folder.h"
#include "resampler/command_line.h"
#include "resampler/render_note.h"
#include "support/wave_bytes.h"

namespace ruvo::fuzz {

namespace {

constexpr double kMaxOutputMs = 500;

std::string recording() {
  static const std::string path = [] {
    std::vector<int16_t> samples(11025);
    for (size_t i = 0; i < samples.size(); ++i) {
      const double t = static_cast<double>(i) / 44100.0;
      double value = 0;
      for (int harmonic = 1; harmonic <= 5; ++harmonic)
        value += std::sin(2 * std::numbers::pi * 220.0 * harmonic * t) / harmonic;
      samples[i] = static_cast<int16_t>(value * 8000);
    }
    return putScratchFile("voice.wav", ruvo::testing::monoWave(samples));
  }();
  return path;
}

std::vector<std::string> splitAtBlanks(std::string_view text) {
  std::vector<std::string> words;
  size_t at = 0;
  while (at < text.size()) {
    const size_t end = std::min(text.find_first_of(" \t\r\n", at), text.size());
    if (end > at) words.emplace_back(text.substr(at, end - at));
    at = end + 1;
  }
  return words;
}

}  // namespace

std::string resamplerCommandLine(Bytes bytes) {
  const std::string output = scratchFolder() + "/note.wav";
  std::vector<std::string> args = {recording(), output};
  for (std::string& word : splitAtBlanks({reinterpret_cast<const char*>(bytes.data()), bytes.size()}))
    args.push_back(std::move(word));
  auto request = resampler::parseCommandLine(args);
  if (!request) return {};
  request->lengthMs = std::min(request->lengthMs, kMaxOutputMs);
  std::error_code ignored;
  std::filesystem::remove(output, ignored);
  auto report = resampler::renderNote(*request);
  if (!report) return {};
  if (report->outputWritten != request->note.has_value())
    return request->note ? "a note that was rendered wrote no output" : "a table-only run wrote an output";
  if (report->outputWritten && !std::filesystem::exists(output)) return "output reported written but missing";
  return {};
}

}  // namespace ruvo::fuzz
