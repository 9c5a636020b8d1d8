#include "voicebank/oto_settings_form.h"

#include <algorithm>
#include <deque>
#include <filesystem>
#include <set>
#include <system_error>
#include <unordered_map>

#include "core/numbers.h"
#include "core/paths.h"
#include "voicebank/frq_table.h"
#include "voicebank/oto_table.h"

namespace ruvo {
namespace {

namespace fs = std::filesystem;

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool lessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return lowerAscii(x) < lowerAscii(y); });
}

// The "*.wav" file names directly inside `folder`, in directory order.
void listWavNames(const fs::path& folder, const std::string& prefix, std::vector<std::string>& names) {
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code statError;
    if (!it->is_regular_file(statError)) continue;
    const std::string name = it->path().filename().string();
    if (endsWithNoCase(name, ".wav")) names.push_back(prefix + name);
  }
}

}  // namespace

std::string OtoRow::field(size_t i) const { return i < fields.size() ? fields[i] : std::string(); }

std::string OtoRow::text() const {
  std::string joined = fields.front();
  for (size_t i = 1; i < fields.size(); ++i) joined += '\t' + fields[i];
  return joined;
}

std::optional<std::string> OtoRow::outputLine() const {
  if (line) return line;
  if (std::all_of(fields.begin() + 1, fields.end(), [](const std::string& f) { return f.empty(); }))
    return std::nullopt;
  std::string out = fields.front() + "=" + field(kAlias);
  for (size_t i = kOffset; i < std::max<size_t>(fields.size(), kPreUtterance + 1); ++i) out += "," + field(i);
  return out;
}

std::vector<std::string> listRecordings(const std::string& folder, const std::vector<OtoFileEntry>& entries) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  listWavNames(fs::path(folder), "", names);
  std::set<std::string> subfolders;
  for (const OtoFileEntry& entry : entries) {
    const std::string& file = entry.fields.front();
    const size_t cut = file.find_last_of("/\\");
    if (cut == std::string::npos || cut == 0 || !staysInsideFolder(file)) continue;
    // Keep the separator the entry uses, so the listed name claims it.
    const std::string sub = file.substr(0, cut + 1);
    if (subfolders.insert(sub).second) listWavNames(fs::path(joinPath(folder, nativePath(sub))), sub, names);
  }
  return names;
}

Result<void> OtoSettingsForm::open(const std::string& folder, const std::string& target) {
  Result<void> loaded = load(folder);
  std::optional<size_t> match;
  for (size_t i = 0; i < m_rows.size() && !match; ++i)
    if (m_rows[i].field(OtoRow::kFile) == target + ".wav" || m_rows[i].field(OtoRow::kAlias) == target) match = i;
  select(match);
  return loaded;
}

Result<void> OtoSettingsForm::changeFolder(const std::string& chosenFile) {
  const size_t cut = chosenFile.find_last_of("/\\");
  return load(cut == std::string::npos ? std::string() : chosenFile.substr(0, cut));
}

Result<void> OtoSettingsForm::load(const std::string& folder) {
  m_folder = folder;
  // No folder: nothing to list, and no relative "oto.ini" is read.
  auto file = folder.empty() ? Result<OtoFile>(OtoFile{}) : OtoFile::load(folder);
  m_loadError.reset();
  if (file) {
    m_file = std::move(*file);
  } else {
    m_file = OtoFile{};
    m_loadError = file.error();
  }
  build();
  if (m_loadError) return tl::unexpected(*m_loadError);
  return {};
}

void OtoSettingsForm::build() {
  const std::vector<OtoFileEntry>& entries = m_file.entries();
  // Each file name's entries in table order; a recording claims the first
  // one not yet claimed.
  std::unordered_map<std::string, std::deque<size_t>> byFile;
  for (size_t i = 0; i < entries.size(); ++i) byFile[entries[i].fields.front()].push_back(i);
  std::vector<bool> claimed(entries.size(), false);
  m_rows.clear();
  for (const std::string& name : listRecordings(m_folder, entries)) {
    auto found = byFile.find(name);
    if (found == byFile.end() || found->second.empty()) {
      m_rows.push_back(OtoRow{{name}, std::nullopt});
      continue;
    }
    const size_t i = found->second.front();
    found->second.pop_front();
    claimed[i] = true;
    m_rows.push_back(OtoRow{entries[i].fields, entries[i].line});
  }
  for (size_t i = 0; i < entries.size(); ++i)
    if (!claimed[i]) m_rows.push_back(OtoRow{entries[i].fields, entries[i].line});
  m_selected.reset();
  boxes = OtoBoxes{};
  sortKeeping(std::nullopt);
}

void OtoSettingsForm::sortKeeping(std::optional<size_t> follow) {
  std::vector<size_t> order(m_rows.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::vector<std::string> keys(m_rows.size());
  for (size_t i = 0; i < keys.size(); ++i) keys[i] = m_rows[i].text();
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return lessNoCase(keys[a], keys[b]); });
  std::vector<OtoRow> sorted;
  sorted.reserve(m_rows.size());
  for (size_t i = 0; i < order.size(); ++i) {
    if (follow && order[i] == *follow) m_selected = i;
    sorted.push_back(std::move(m_rows[order[i]]));
  }
  m_rows = std::move(sorted);
}

void OtoSettingsForm::select(std::optional<size_t> row) {
  if (row && *row >= m_rows.size()) row.reset();
  m_selected = row;
  if (!row) return;
  const OtoRow& r = m_rows[*row];
  boxes = OtoBoxes{r.field(OtoRow::kFile),      r.field(OtoRow::kAlias), r.field(OtoRow::kOffset),
                   r.field(OtoRow::kConsonant), r.field(OtoRow::kBlank), r.field(OtoRow::kPreUtterance)};
}

std::optional<std::string> OtoSettingsForm::recordingPath() const {
  if (!m_selected) return std::nullopt;
  const std::string name = m_rows[*m_selected].field(OtoRow::kFile);
  if (name.empty() || !staysInsideFolder(name)) return std::nullopt;
  const std::string path = joinPath(m_folder, nativePath(name));
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  return path;
}

bool OtoSettingsForm::frequencyTableExists() const {
  if (!m_selected) return false;
  const std::string name = m_rows[*m_selected].field(OtoRow::kFile);
  // The table of "a.WAV" would be looked for by the resampler under a name
  // that differs on a case-sensitive file system: only ".wav" counts.
  if (!name.ends_with(".wav") || !staysInsideFolder(name)) return false;
  const auto table = frqPathOf(joinPath(m_folder, nativePath(name)));
  std::error_code error;
  return table && fs::is_regular_file(*table, error);
}

bool OtoSettingsForm::nameMatchesSelection() const {
  return m_selected && m_rows[*m_selected].field(OtoRow::kFile) == boxes.name;
}

void OtoSettingsForm::normaliseOffset() {
  if (!boxes.offset.empty()) boxes.offset = shortestFloat(static_cast<float>(leadingNumber(boxes.offset)));
}

void OtoSettingsForm::set() {
  normaliseOffset();
  if (!nameMatchesSelection()) return;
  OtoRow& row = m_rows[*m_selected];
  row.fields.resize(std::max<size_t>(row.fields.size(), OtoRow::kPreUtterance + 1));
  const std::string* values[] = {&boxes.alias, &boxes.offset, &boxes.consonant, &boxes.blank, &boxes.preUtterance};
  for (size_t i = 0; i < 5; ++i) row.fields[OtoRow::kAlias + i] = *values[i];
  row.line.reset();
  sampleChanged(row.field(OtoRow::kFile));
  sortKeeping(m_selected);
}

void OtoSettingsForm::clear() {
  normaliseOffset();
  if (!nameMatchesSelection()) return;
  OtoRow& row = m_rows[*m_selected];
  row.fields.resize(1);
  row.line.reset();
  boxes = OtoBoxes{boxes.name, "", "", "", "", ""};
  sortKeeping(m_selected);
}

void OtoSettingsForm::remove() {
  if (!m_selected) return;
  m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(*m_selected));
  m_selected.reset();
}

void OtoSettingsForm::copy() {
  if (!m_selected) return;
  m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(*m_selected) + 1, m_rows[*m_selected]);
}

SampleTimes OtoSettingsForm::sampleTimes() const {
  if (!m_selected) return {};
  const OtoRow& row = m_rows[*m_selected];
  auto ms = [&](size_t i) { return clampToInt32(static_cast<double>(roundHalfEven(leadingNumber(row.field(i))))); };
  return {ms(OtoRow::kOffset), ms(OtoRow::kConsonant), ms(OtoRow::kBlank), ms(OtoRow::kPreUtterance)};
}

void OtoSettingsForm::applySampleTimes(const SampleTimes& times) {
  if (!m_selected) return;
  OtoRow& row = m_rows[*m_selected];
  row.fields.resize(std::max<size_t>(row.fields.size(), OtoRow::kPreUtterance + 1));
  row.fields[OtoRow::kOffset] = std::to_string(times.offset);
  row.fields[OtoRow::kConsonant] = std::to_string(times.consonant);
  row.fields[OtoRow::kBlank] = std::to_string(times.blank);
  row.fields[OtoRow::kPreUtterance] = std::to_string(times.preUtterance);
  row.line.reset();
  boxes.offset = row.fields[OtoRow::kOffset];
  boxes.consonant = row.fields[OtoRow::kConsonant];
  boxes.blank = row.fields[OtoRow::kBlank];
  boxes.preUtterance = row.fields[OtoRow::kPreUtterance];
  sampleChanged(row.field(OtoRow::kFile));
  sortKeeping(m_selected);
}

void OtoSettingsForm::frequencyTableChanged() {
  if (m_selected) sampleChanged(m_rows[*m_selected].field(OtoRow::kFile));
}

void OtoSettingsForm::sampleChanged(const std::string& fileName) {
  if (m_onSampleChanged) m_onSampleChanged(stripWavExtension(fileName));
}

std::vector<std::string> OtoSettingsForm::outputLines() const {
  std::vector<std::string> lines;
  for (const OtoRow& row : m_rows)
    if (auto line = row.outputLine()) lines.push_back(std::move(*line));
  lines.insert(lines.end(), m_file.otherLines().begin(), m_file.otherLines().end());
  return lines;
}

Result<void> OtoSettingsForm::ok() const {
  if (m_folder.empty()) return {};
  if (m_loadError)
    return fail(ErrorCode::Unreadable, m_loadError->message + ": oto.ini could not be read, so it is not written over");
  return m_file.save(m_folder, outputLines());
}

}  // namespace ruvo
