#include "settings/own_settings.h"

#include <algorithm>
#include <filesystem>

#include "core/paths.h"
#include "core/text_file.h"

namespace ruvo {

namespace {

constexpr std::string_view kHeader = "# ruvo: settings of its own";

bool storableName(std::string_view name) {
  return !name.empty() && name.find_first_of("=\r\n") == std::string_view::npos;
}

bool storableValue(std::string_view value) { return value.find_first_of("\r\n") == std::string_view::npos; }

}  // namespace

std::string OwnSettings::fileBeside(const std::string& settingsFile) {
  return joinPath(folderOf(settingsFile), "ruvo_settings.txt");
}

Result<OwnSettings> OwnSettings::load(const std::string& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return OwnSettings{};
  auto bytes = readFileBytes(file);
  if (!bytes) return tl::unexpected(bytes.error());
  const auto damaged = [&](const std::string& why) {
    return fail(ErrorCode::BadFormat, file + ": " + why + "; its settings are not used");
  };
  std::string_view text = *bytes;
  if (!text.starts_with(kHeader) || (text.size() > kHeader.size() && text[kHeader.size()] != '\n'))
    return damaged("not a file of ruvo's own settings");
  OwnSettings settings;
  size_t start = std::min(text.size(), kHeader.size() + 1);
  for (size_t number = 2; start < text.size(); ++number) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) continue;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos || !storableName(line.substr(0, eq)) || !storableValue(line))
      return damaged("line " + std::to_string(number) + " is not Name=value");
    settings.set(line.substr(0, eq), std::string(line.substr(eq + 1)));
  }
  return settings;
}

Result<void> OwnSettings::save(const std::string& file) const {
  std::string text(kHeader);
  text += '\n';
  for (const auto& [name, value] : m_entries) text += name + '=' + value + '\n';
  return writeFileBytes(file, text);
}

std::optional<std::string> OwnSettings::value(std::string_view name) const {
  auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto& entry) { return entry.first == name; });
  if (found == m_entries.end()) return std::nullopt;
  return found->second;
}

void OwnSettings::set(std::string_view name, std::string value) {
  if (!storableName(name) || !storableValue(value)) return;
  auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const auto& entry) { return entry.first == name; });
  if (found != m_entries.end()) {
    found->second = std::move(value);
  } else {
    m_entries.emplace_back(std::string(name), std::move(value));
  }
}

}  // namespace ruvo
