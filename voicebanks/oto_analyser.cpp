// oto_analyser FOLDER [SYLLABLES]
//
// Writes FOLDER/oto.ini (CP932, CR LF) with timing values measured from each
// recording. SYLLABLES is a UTF-8 list with one recording per line, its
// base name then its alias ("ka か"); recordings are written in that order
// with that alias, then any other *.wav of the folder, by name, with no alias.
// Exits 1 when a recording could not be analysed (it is left out of oto.ini).

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "voicebank/oto_analysis.h"
#include "voicebank/wave_samples.h"

namespace {

struct Recording {
  std::string file;   // "ka.wav"
  std::string alias;  // "か", or empty
};

void printError(const std::string& message) { std::fprintf(stderr, "oto_analyser: error: %s\n", message.c_str()); }

ruvo::Result<std::vector<Recording>> listRecordings(const std::string& folder, const std::string& syllablesPath) {
  std::vector<Recording> recordings;
  std::set<std::string> named;
  if (!syllablesPath.empty()) {
    auto bytes = ruvo::readFileBytes(syllablesPath);
    if (!bytes) return tl::unexpected(bytes.error());
    for (const std::string& line : ruvo::splitLines(*bytes)) {
      std::istringstream words(line);
      std::string name, alias;
      if (!(words >> name) || name.front() == '#') continue;
      words >> alias;
      if (named.insert(name + ".wav").second) recordings.push_back({name + ".wav", alias});
    }
  }
  std::error_code error;
  std::vector<std::string> others;
  for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
    const std::string file = item.path().filename().string();
    if (item.is_regular_file() && file.ends_with(".wav") && !named.count(file)) others.push_back(file);
  }
  if (error) return ruvo::fail(ruvo::ErrorCode::NotFound, folder + ": " + error.message());
  std::sort(others.begin(), others.end());
  for (const auto& file : others) recordings.push_back({file, ""});
  return recordings;
}

std::string wholeMs(double ms) { return std::to_string(ruvo::roundHalfEven(ms)); }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: oto_analyser FOLDER [SYLLABLES]\n");
    return 2;
  }
  const std::string folder = argv[1];
  auto recordings = listRecordings(folder, argc == 3 ? argv[2] : "");
  if (!recordings) {
    printError(recordings.error().message);
    return 1;
  }
  std::vector<std::string> lines;
  bool allRead = true;
  for (const auto& recording : *recordings) {
    auto wave = ruvo::readWaveSamples(ruvo::joinPath(folder, recording.file));
    if (!wave) {
      printError(wave.error().message);
      allRead = false;
      continue;
    }
    for (const auto& warning : wave->warnings) std::fprintf(stderr, "oto_analyser: warning: %s\n", warning.c_str());
    const std::vector<float> samples = ruvo::toUnitFloat(wave->samples);
    auto timing = ruvo::analyseRecording(samples, wave->sampleRate);
    if (!timing) {
      printError(recording.file + ": " + timing.error().message);
      allRead = false;
      continue;
    }
    lines.push_back(recording.file + "=" + recording.alias + "," + wholeMs(timing->offsetMs) + "," +
                    wholeMs(timing->consonantMs) + "," + wholeMs(timing->blankMs) + "," +
                    wholeMs(timing->preUtteranceMs));
  }
  const std::string otoPath = ruvo::joinPath(folder, "oto.ini");
  if (auto written = ruvo::writeTextLines(otoPath, lines); !written) {
    printError(written.error().message);
    return 1;
  }
  std::printf("%s: %zu recordings\n", otoPath.c_str(), lines.size());
  return allRead ? 0 : 1;
}
