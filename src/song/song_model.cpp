#include "song/song_model.h"

#include <algorithm>

#include "core/numbers.h"

namespace ruvo {

Note& Song::at(int index) {
  if (index < 0) index = 0;
  if (static_cast<size_t>(index) >= notes.size()) notes.resize(static_cast<size_t>(index) + 1);
  return notes[static_cast<size_t>(index)];
}

float Song::tempoBoxValue() const { return static_cast<float>(leadingNumber(tempoText)); }

void clearSong(Song& song, const ClearDefaults& defaults) {
  song.noteCount = 0;
  song.selFirst = 0;
  song.selLast = 0;
  song.notes.assign(1, Note{});
  song.voiceFolder = defaults.voiceFolder;
  song.joinerPath = defaults.joinerPath;
  song.resamplerPath = defaults.resamplerPath;
  song.projectName = std::string(kNewProjectName);
  song.projectPath.clear();
  song.cacheDir.clear();
  song.projectFlags.clear();
}

std::string trimSpaces(std::string_view text) {
  size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

bool isRest(std::string_view lyric) {
  std::string trimmed = trimSpaces(lyric);
  return trimmed.empty() || trimmed == "R" || trimmed == "r";
}

std::vector<std::string> splitFields(std::string_view text, char separator) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      fields.emplace_back(text.substr(start));
      return fields;
    }
    fields.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
}

std::string joinFields(const std::vector<std::string>& fields, std::string_view separator) {
  std::string joined;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) joined += separator;
    joined += fields[i];
  }
  return joined;
}

PropFields splitProps(std::string_view record) {
  PropFields props;
  auto fields = splitFields(record, '\t');
  for (size_t i = 0; i < kPropFieldCount && i < fields.size(); ++i) props[i] = std::move(fields[i]);
  return props;
}

size_t findExtraEntry(std::string_view extras, std::string_view key) {
  for (size_t start = 0; start <= extras.size();) {
    if (extras.substr(start).starts_with(key)) return start;
    size_t separator = extras.find(kExtraSeparator, start);
    if (separator == std::string_view::npos) break;
    start = separator + kExtraSeparator.size();
  }
  return std::string_view::npos;
}

namespace {

// The extra-commands field of a record of six or more fields.
std::optional<std::string> extrasOf(std::string_view record) {
  auto fields = splitFields(record, '\t');
  if (fields.size() < kPropFieldCount) return std::nullopt;
  return fields[kPropExtra];
}

std::optional<float> numberAfter(std::string_view extras, std::string_view key) {
  size_t pos = findExtraEntry(extras, key);
  if (pos == std::string_view::npos) return std::nullopt;
  return static_cast<float>(leadingNumber(extras.substr(pos + key.size())));
}

}  // namespace

void lookupExtras(std::string_view record, float& tempo, float& startOffset, std::string& envelope) {
  startOffset = 0;
  auto extras = extrasOf(record);
  if (!extras) return;
  if (auto value = numberAfter(*extras, "tempo=")) tempo = *value;
  if (auto value = numberAfter(*extras, "stp=")) startOffset = *value;
  size_t pos = findExtraEntry(*extras, "env=");
  if (pos != std::string::npos) {
    std::string_view rest = std::string_view(*extras).substr(pos + 4);
    // The value ends at "/" or at the next entry, so that a following
    // "stp=" entry never becomes part of the envelope.
    size_t end = std::min(rest.find('/'), rest.find(kExtraSeparator));
    envelope = std::string(rest.substr(0, end));
  }
}

std::optional<float> tempoEntry(std::string_view record) {
  auto extras = extrasOf(record);
  if (!extras) return std::nullopt;
  return numberAfter(*extras, "tempo=");
}

float getTempo(const Song& song) {
  float tempo = song.tempoBoxValue();
  if (song.selFirst < 0 || song.selFirst >= song.noteCount) return tempo;
  for (int i = 0; i <= song.selFirst; ++i) {
    if (auto value = tempoEntry(song[i].props)) tempo = *value;
  }
  return tempo;
}

float playableTempo(float tempo) {
  if (!(tempo >= kSlowestTempo)) return kSlowestTempo;
  return std::min(tempo, kFastestTempo);
}

float ticksToMs(int ticks, float tempo) {
  return static_cast<float>(ticks) / static_cast<float>(kTicksPerBeat) * 60.0f / playableTempo(tempo) * 1000.0f;
}

int msToTicks(float ms, float tempo) {
  float beats48 = ms * 0.001f / (60.0f / playableTempo(tempo)) * 48.0f + 0.5f;
  return std::clamp(clampToInt32(static_cast<double>(intFloor(beats48)) * 40.0), -kLongestReadLength,
                    kLongestReadLength);
}

FlagParts splitFlags(std::string_view flags) {
  FlagParts parts;
  std::string text(flags);
  size_t b = text.find('B');
  if (b != std::string::npos) {
    size_t end = b + 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    std::string digits = text.substr(b + 1, end - b - 1);
    parts.breath = "B" + (digits.empty() ? std::string("0") : digits);
    text.erase(b, end - b);
  }
  if (text.find('N') != std::string::npos) {
    parts.noFormant = "N";
    std::erase(text, 'N');
  }
  std::erase(text, ',');
  parts.rest = text;
  return parts;
}

}  // namespace ruvo
