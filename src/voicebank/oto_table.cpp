#include "voicebank/oto_table.h"

#include <filesystem>

#include "core/numbers.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "song/song_model.h"

namespace ruvo {

namespace {
// File names are matched with their ".wav" extension in lower case, so that a
// recording saved as "A.WAV" is found on a case-sensitive file system too.
std::string fileKey(std::string_view fileName) {
  std::string key(fileName);
  if (endsWithNoCase(key, ".wav")) key.replace(key.size() - 4, 4, ".wav");
  return key;
}
}  // namespace

double OtoEntry::number(size_t i) const { return leadingNumber(fields[i]); }

std::string stripWavExtension(std::string_view fileName) {
  std::string name(fileName);
  if (endsWithNoCase(name, ".wav")) name.resize(name.size() - 4);
  return name;
}

Result<OtoTable> OtoTable::load(const std::string& folder) {
  std::string path = joinPath(folder, "oto.ini");
  std::error_code ec;
  if (folder.empty() || !std::filesystem::exists(path, ec)) return OtoTable{};
  auto lines = readTextLines(path);
  if (!lines) return tl::unexpected(lines.error());
  return fromLines(*lines);
}

OtoTable OtoTable::fromLines(const std::vector<std::string>& lines) {
  OtoTable table;
  for (size_t i = 0; i < lines.size(); ++i) table.addLine(lines[i], i + 1);
  return table;
}

void OtoTable::addLine(std::string_view line, size_t lineNumber) {
  if (line.empty()) return;
  auto parts = splitFields(line, '=');
  // A line without a file name names no recording; its alias must not hide
  // the recordings that do carry it.
  if (parts.size() != 2 || parts[0].empty()) return;
  if (!staysInsideFolder(parts[0])) {
    m_warnings.push_back("oto.ini line " + std::to_string(lineNumber) + ": the recording '" + parts[0] +
                         "' lies outside the voice folder; the entry is skipped");
    return;
  }
  std::vector<std::string> fields{parts[0]};
  if (parts[1].find(',') != std::string::npos) {
    for (auto& field : splitFields(parts[1], ',')) fields.push_back(std::move(field));
  }
  size_t index = m_entries.size();
  if (fields.size() > 1 && !fields[1].empty()) m_byAlias.emplace(fields[1], index);
  m_byFile.emplace(fileKey(fields[0]), index);
  m_entries.push_back(std::move(fields));
}

OtoEntry OtoTable::entryAt(size_t i) const {
  OtoEntry entry;
  const auto& fields = m_entries[i];
  for (size_t f = 0; f < entry.fields.size() && f < fields.size(); ++f) entry.fields[f] = fields[f];
  return entry;
}

OtoEntry OtoTable::getAlias(std::string& lyric) const {
  if (lyric.empty()) return {};
  if (auto it = m_byAlias.find(lyric); it != m_byAlias.end()) {
    OtoEntry entry = entryAt(it->second);
    lyric = stripWavExtension(entry[OtoEntry::kFile]);
    return entry;
  }
  if (auto it = m_byFile.find(lyric + ".wav"); it != m_byFile.end()) return entryAt(it->second);
  return {};
}

std::string OtoTable::aliasOfFile(const std::string& name) const {
  auto it = m_byFile.find(name + ".wav");
  if (it == m_byFile.end()) return name;
  const auto& fields = m_entries[it->second];
  return fields.size() > 1 && !fields[1].empty() ? fields[1] : name;
}

}  // namespace ruvo
