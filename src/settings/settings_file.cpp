#include "settings/settings_file.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/numbers.h"
#include "core/paths.h"
#include "core/text_file.h"

namespace ruvo {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::string replaceAll(std::string text, char from, char to) {
  for (char& c : text)
    if (c == from) c = to;
  return text;
}

int32_t readInteger(std::string_view value) {
  return clampToInt32(static_cast<double>(roundHalfEven(leadingNumber(value))));
}

// "&H" values are 32-bit patterns as the writer produces them, so
// "&HFFFFFFFF" reads back as the -1 it was written from.
int32_t readColour(std::string_view value) {
  double number = leadingNumberOrHex(value);
  size_t pos = value.find_first_not_of(" \t");
  bool hex = pos != std::string_view::npos && value.size() >= pos + 2 && value[pos] == '&' &&
             (value[pos + 1] == 'H' || value[pos + 1] == 'h');
  if (hex && number >= 0 && number <= 4294967295.0)
    return static_cast<int32_t>(static_cast<uint32_t>(number));
  return clampToInt32(static_cast<double>(roundHalfEven(number)));
}

std::string hexOf(int32_t value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(static_cast<uint32_t>(value)));
  return buffer;
}

bool isExistingFile(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(nativePath(path), ec);
}

void applySetting(Settings& s, std::string_view key, const std::string& value) {
  if (key.substr(0, 7) == "OtoList") {
    s.OtoList.push_back(replaceAll(value, ',', '\t'));
  } else if (key == "CacheEnable") {
    s.CacheEnable = value == "1";
  } else if (key == "CacheDeleteOnUnload") {
    s.CacheDeleteOnUnload = value == "1";
  } else if (key == "CacheDeleteBySize") {
    s.CacheDeleteBySize = value == "1";
  } else if (key == "CacheDeleteByDate") {
    s.CacheDeleteByDate = value == "1";
  } else if (key == "CacheDeleteSize") {
    s.CacheDeleteSize = readInteger(value);
  } else if (key == "CacheDeleteInterval") {
    s.CacheDeleteInterval = readInteger(value);
  } else if (key == "Tool1Path") {
    s.Tool1Path = value;
  } else if (key == "Tool2Path") {
    s.Tool2Path = value;
  } else if (startsWith(key, "History")) {
    s.History.push_back(value);
  } else if (key == "DebugMode") {
    s.DebugMode = value == "True";
  } else if (key == "PropExpandDetail") {
    s.PropExpandDetail = value == "1";
  } else if (key == "TransformTitle") {
    s.TransformTitle = value;
  } else {
    for (size_t i = 0; i < kColourCount; ++i) {
      if (key == kColourSettings[i].key) {
        s.colours[i] = readColour(value);
        return;
      }
    }
  }
}

}  // namespace

Settings parseSettingsLines(const std::vector<std::string>& lines) {
  Settings settings;
  for (const auto& line : lines) {
    size_t first = line.find('=');
    if (first == std::string::npos) continue;
    size_t second = line.find('=', first + 1);
    std::string_view key(line.data(), first);
    std::string value = line.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                           : second - first - 1);
    applySetting(settings, key, value);
  }
  return settings;
}

std::vector<std::string> formatSettingsLines(const Settings& s) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < s.OtoList.size(); ++i) {
    if (s.OtoList[i].empty()) continue;
    lines.push_back("OtoList" + std::to_string(i) + "=" + replaceAll(s.OtoList[i], '\t', ','));
  }
  if (s.CacheEnable) lines.emplace_back("CacheEnable=1");
  if (s.CacheDeleteOnUnload) lines.emplace_back("CacheDeleteOnUnload=1");
  if (s.CacheDeleteBySize) {
    lines.emplace_back("CacheDeleteBySize=1");
    lines.push_back("CacheDeleteSize=" + std::to_string(s.CacheDeleteSize));
  }
  if (s.CacheDeleteByDate) {
    lines.emplace_back("CacheDeleteByDate=1");
    lines.push_back("CacheDeleteInterval=" + std::to_string(s.CacheDeleteInterval));
  }
  lines.push_back("Tool1Path=" + s.Tool1Path);
  lines.push_back("Tool2Path=" + s.Tool2Path);
  for (size_t i = 0; i < s.History.size(); ++i)
    lines.push_back("History" + std::to_string(i + 1) + "=" + s.History[i]);
  if (s.DebugMode) lines.emplace_back("DebugMode=True");
  if (s.PropExpandDetail) lines.emplace_back("PropExpandDetail=1");
  for (size_t i = 0; i < kColourCount; ++i)
    lines.push_back(std::string(kColourSettings[i].key) + "=&H" + hexOf(s.colours[i]));
  if (!s.TransformTitle.empty()) lines.push_back("TransformTitle=" + s.TransformTitle);
  return lines;
}

void resolveToolPaths(Settings& settings, const std::string& programFolder) {
  if (!settings.Tool1Path.empty() && !isExistingFile(settings.Tool1Path)) settings.Tool1Path.clear();
  if (!settings.Tool2Path.empty() && !isExistingFile(settings.Tool2Path)) settings.Tool2Path.clear();
  if (settings.Tool1Path.empty()) settings.Tool1Path = joinPath(programFolder, "splicer");
  if (settings.Tool2Path.empty()) settings.Tool2Path = joinPath(programFolder, "resampler");
}

Result<LoadedSettings> loadSettings(const std::string& settingsFile, const std::string& programFolder) {
  LoadedSettings loaded;
  auto lines = readTextLines(settingsFile);
  if (lines) {
    loaded.settings = parseSettingsLines(*lines);
    loaded.fileExisted = true;
  } else if (lines.error().code != ErrorCode::NotFound) {
    return fail(lines.error().code, "settings: " + lines.error().message);
  }
  resolveToolPaths(loaded.settings, programFolder);
  return loaded;
}

Result<void> saveSettings(const std::string& settingsFile, const Settings& settings) {
  namespace fs = std::filesystem;
  std::error_code ec;
  std::string folder = folderOf(settingsFile);
  if (!folder.empty()) {
    fs::create_directories(folder, ec);
    if (ec) return fail(ErrorCode::Unwritable, "settings: " + folder + ": " + ec.message());
  }
  // The file is replaced whole: a failed write keeps the old settings.
  if (auto written = writeTextLines(settingsFile, formatSettingsLines(settings)); !written)
    return fail(ErrorCode::Unwritable, "settings: " + written.error().message);
  return {};
}

}  // namespace ruvo
