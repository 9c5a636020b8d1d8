#include "voicebank/sound_list.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "core/numbers.h"
#include "core/paths.h"
#include "song/song_model.h"
#include "voicebank/frq_table.h"

namespace ruvo {

namespace {

constexpr double kC2Hz = 65.4063913251497;
constexpr double kSemitoneLog = 0.0577622650466666;  // ln 2 / 12
constexpr int kHighestEstimate = 83;
constexpr double kFrameSeconds = kFrqSamplesPerFrame / 44100.0;

bool lessNoCase(const std::string& a, const std::string& b) {
  auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [&](unsigned char x, unsigned char y) { return lower(x) < lower(y); });
}

}  // namespace

Result<std::vector<SoundListEntry>> listRecordings(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<SoundListEntry> entries;
  std::error_code ec;
  if (!fs::exists(folder, ec)) return entries;
  fs::directory_iterator it(folder, ec);
  if (ec) return fail(ErrorCode::Unreadable, folder + ": " + ec.message());
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return fail(ErrorCode::Unreadable, folder + ": " + ec.message());
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string file = it->path().filename().string();
    if (!endsWithNoCase(file, ".wav")) continue;
    std::string name = file.ends_with(".wav") ? file.substr(0, file.size() - 4) : file;
    entries.push_back({std::move(name), it->path().string()});
  }
  std::sort(entries.begin(), entries.end(), [](const SoundListEntry& a, const SoundListEntry& b) {
    if (lessNoCase(a.name, b.name)) return true;
    if (lessNoCase(b.name, a.name)) return false;
    return a.name < b.name;
  });
  return entries;
}

int frqToNote(double hz) {
  if (!(hz > 0) || !std::isfinite(hz)) return -1;
  return static_cast<int>(intFloor(std::log(hz / kC2Hz) / kSemitoneLog + 0.5)) + 12;
}

double soundListTempo(std::string_view tempoBoxText) {
  const double tempo = leadingNumber(tempoBoxText);
  return tempo == 0 ? kFallbackListTempo : tempo;
}

ToneEstimate estimateTone(const std::string& recordingPath, double tempo) {
  ToneEstimate estimate;
  auto header = readFrqHeader(recordingPath);
  if (!header || !(header->average > 0)) return estimate;
  const double ticks = header->frameCount * kFrameSeconds * tempo / 60 * kTicksPerBeat;
  const double longest = kLongestReadLength;
  estimate.length = std::isfinite(ticks) ? static_cast<int>(roundHalfEven(std::clamp(ticks, -longest, longest))) : 0;
  const int note = frqToNote(header->average);
  estimate.noteNumber = note >= 1 && note <= kHighestEstimate ? note : kFallbackToneNote;
  return estimate;
}

}  // namespace ruvo
