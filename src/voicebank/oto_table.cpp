#include "voicebank/oto_table.h"

#include <cmath>
#include <filesystem>

#include "core/numbers.h"
#include "core/paths.h"
#include "song/song_model.h"
#include "voicebank/vowels.h"

namespace ruvo {

namespace {
// File names are matched with their ".wav" extension in lower case, so that a
// recording saved as "A.WAV" is found on a case-sensitive file system too.
std::string fileKey(std::string_view fileName) {
  std::string key(fileName);
  if (endsWithNoCase(key, ".wav")) key.replace(key.size() - 4, 4, ".wav");
  return key;
}

// CP932 never decodes to U+FFFD: the replacement character in text read as
// CP932 marks bytes that are neither UTF-8 nor CP932.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

int64_t roundedField(const std::vector<std::string>& fields, size_t i) {
  return i < fields.size() ? roundHalfEven(leadingNumber(fields[i])) : 0;
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
  auto document = readTextDocument(path);
  if (!document) return tl::unexpected(document.error());
  return fromDocument(std::move(*document));
}

OtoTable OtoTable::fromDocument(TextDocument document) {
  OtoTable table;
  table.m_document = std::move(document);
  const bool cp932 = table.m_document.encoding == TextEncoding::Cp932;
  const auto& lines = table.m_document.lines;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (cp932 && lines[i].find(kReplacement) != std::string::npos) {
      table.m_warnings.push_back("oto.ini line " + std::to_string(i + 1) +
                                 ": neither UTF-8 nor CP932 text; the entry is skipped");
      continue;
    }
    table.addLine(lines[i], i + 1);
  }
  table.classify();
  return table;
}

OtoTable OtoTable::fromLines(const std::vector<std::string>& lines) {
  OtoTable table;
  table.m_document.lines = lines;
  for (size_t i = 0; i < lines.size(); ++i) table.addLine(lines[i], i + 1);
  table.classify();
  return table;
}

void OtoTable::addLine(std::string_view line, size_t lineNumber) {
  if (line.empty()) return;
  auto parts = splitFields(line, '=');
  // A line without a file name (or one named only ".wav") names no
  // recording; its alias must not hide the recordings that do carry it.
  if (parts.size() != 2 || stripWavExtension(parts[0]).empty()) return;
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
  m_byFile[fileKey(fields[0])].push_back(index);
  m_entries.push_back(std::move(fields));
  m_lineNumbers.push_back(lineNumber);
}

OtoEntry OtoTable::entryAt(size_t i) const {
  OtoEntry entry;
  const auto& fields = m_entries[i];
  for (size_t f = 0; f < entry.fields.size() && f < fields.size(); ++f) entry.fields[f] = fields[f];
  return entry;
}

std::optional<size_t> OtoTable::findEntry(const std::string& lyric) const {
  if (lyric.empty()) return std::nullopt;
  if (auto it = m_byAlias.find(lyric); it != m_byAlias.end()) return it->second;
  if (auto it = m_byFile.find(lyric + ".wav"); it != m_byFile.end()) return it->second.front();
  return std::nullopt;
}

OtoEntry OtoTable::getAlias(std::string& lyric) const {
  auto index = findEntry(lyric);
  if (!index) return {};
  OtoEntry entry = entryAt(*index);
  if (m_byAlias.contains(lyric)) lyric = stripWavExtension(entry[OtoEntry::kFile]);
  return entry;
}

std::string OtoTable::aliasOfFile(const std::string& name) const {
  auto it = m_byFile.find(name + ".wav");
  if (it == m_byFile.end()) return name;
  const auto& fields = m_entries[it->second.front()];
  return fields.size() > 1 && !fields[1].empty() ? fields[1] : name;
}

std::string OtoTable::aliasOfCall(const std::string& name, const CallTiming& timing, std::string_view prefix,
                                  std::string_view suffix) const {
  auto it = m_byFile.find(name + ".wav");
  if (it == m_byFile.end()) return name;
  std::optional<size_t> best;
  int bestScore = -1;
  for (size_t index : it->second) {
    const auto& fields = m_entries[index];
    if (roundedField(fields, OtoEntry::kOffset) != timing.offset ||
        roundedField(fields, OtoEntry::kConsonant) != timing.consonant ||
        roundedField(fields, OtoEntry::kBlank) != timing.blank)
      continue;
    const std::string alias = fields.size() > 1 ? fields[1] : std::string();
    int score = 0;
    if (!alias.empty() && alias.starts_with(prefix) && alias.ends_with(suffix) &&
        alias.size() >= prefix.size() + suffix.size())
      score += 2;
    const double preUtterance = fields.size() > OtoEntry::kPreUtterance ? leadingNumber(fields[5]) : 0.0;
    if (static_cast<float>(preUtterance) == static_cast<float>(timing.preUtterance)) score += 1;
    if (score > bestScore) {
      best = index;
      bestScore = score;
    }
  }
  if (!best) return aliasOfFile(name);
  const auto& fields = m_entries[*best];
  return fields.size() > 1 && !fields[1].empty() ? fields[1] : name;
}

bool OtoTable::sharesRecording(size_t index) const {
  auto it = m_byFile.find(fileKey(m_entries[index][0]));
  return it != m_byFile.end() && it->second.front() != index;
}

void OtoTable::classify() {
  size_t aliases = 0;
  size_t vcv = 0;
  for (const auto& [alias, index] : m_byAlias) {
    ++aliases;
    if (isVcvAlias(alias)) ++vcv;
  }
  m_vcv = aliases > 0 && vcv * 4 >= aliases;
}

}  // namespace ruvo
