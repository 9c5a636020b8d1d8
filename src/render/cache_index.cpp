#include "render/cache_index.h"

#include <charconv>
#include <filesystem>
#include <optional>

#include "core/paths.h"
#include "core/text_file.h"
#include "song/song_model.h"
#include "voicebank/frq_table.h"

namespace ruvo {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kHeaderLine = "ruvo cache index 1";
constexpr std::string_view kEndPrefix = "end ";
constexpr size_t kFixedFields = 7;  // name, resampler, recording, two stamps of two fields
constexpr std::string_view kNoValue = "-";

bool storable(std::string_view text) { return text.find_first_of("\t\r\n") == std::string_view::npos; }

// A whole decimal number that fills the text, read exactly.
template <typename Int>
std::optional<Int> wholeNumber(const std::string& text) {
  Int value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void appendStamp(std::string& line, const FileStamp& stamp) {
  line += '\t';
  line += stamp.exists ? std::to_string(stamp.size) : std::string(kNoValue);
  line += '\t';
  line += stamp.exists ? std::to_string(stamp.modified) : std::string(kNoValue);
}

std::optional<FileStamp> parseStamp(const std::string& size, const std::string& modified) {
  if (size == kNoValue && modified == kNoValue) return FileStamp{};
  auto bytes = wholeNumber<uint64_t>(size);
  auto time = wholeNumber<int64_t>(modified);
  if (!bytes || !time) return std::nullopt;
  return FileStamp{true, *bytes, *time};
}

Result<void> deleteIndexFile(const std::string& folder) {
  std::error_code ec;
  fs::remove(joinPath(folder, CacheIndex::kFileName), ec);
  if (ec) return fail(ErrorCode::Unwritable, "cannot remove the cache index in " + folder + ": " + ec.message());
  return {};
}

// Saves the index; when it cannot be saved, no index at all is the safe state.
Result<void> saveOrForget(const CacheIndex& index, const std::string& folder) {
  auto saved = index.save(folder);
  if (saved) return {};
  if (auto removed = deleteIndexFile(folder); !removed)
    return fail(ErrorCode::Unwritable, saved.error().message + "; " + removed.error().message);
  return {};
}

bool folderExists(const std::string& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

}  // namespace

FileStamp stampOf(const std::string& path) {
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (ec || !fs::is_regular_file(status)) return {};
  FileStamp stamp;
  stamp.size = fs::file_size(path, ec);
  if (ec) return {};
  const auto modified = fs::last_write_time(path, ec);
  if (ec) return {};
  stamp.modified = static_cast<int64_t>(modified.time_since_epoch().count());
  stamp.exists = true;
  return stamp;
}

NoteInputs inputsOf(const ResamplerCall& call) {
  NoteInputs inputs;
  inputs.resampler = call.resampler;
  inputs.recording = call.recording;
  inputs.recordingStamp = stampOf(call.recording);
  if (auto frq = frqPathOf(call.recording)) inputs.frqStamp = stampOf(*frq);
  inputs.arguments = call.arguments;
  return inputs;
}

CacheIndex CacheIndex::load(const std::string& cacheFolder) {
  CacheIndex index;
  auto bytes = readFileBytes(joinPath(cacheFolder, kFileName));
  if (!bytes) return index;
  std::vector<std::string> lines = splitLines(*bytes);
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  // The last line counts the entries, so a file cut short is told apart.
  if (lines.size() < 2 || lines.front() != kHeaderLine ||
      lines.back() != std::string(kEndPrefix) + std::to_string(lines.size() - 2))
    return index;
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    std::vector<std::string> fields = splitFields(lines[i], '\t');
    auto recordingStamp = fields.size() > kFixedFields ? parseStamp(fields[3], fields[4]) : std::nullopt;
    auto frqStamp = fields.size() > kFixedFields ? parseStamp(fields[5], fields[6]) : std::nullopt;
    if (!recordingStamp || !frqStamp || fields[0].empty()) return CacheIndex();
    NoteInputs inputs{fields[1], fields[2], *recordingStamp, *frqStamp,
                      std::vector<std::string>(fields.begin() + kFixedFields, fields.end())};
    index.m_entries[fields[0]] = std::move(inputs);
  }
  return index;
}

Result<void> CacheIndex::save(const std::string& cacheFolder) const {
  std::string text(kHeaderLine);
  text += '\n';
  for (const auto& [name, inputs] : m_entries) {
    std::string line = name + '\t' + inputs.resampler + '\t' + inputs.recording;
    appendStamp(line, inputs.recordingStamp);
    appendStamp(line, inputs.frqStamp);
    for (const std::string& argument : inputs.arguments) line += '\t' + argument;
    text += line;
    text += '\n';
  }
  text += std::string(kEndPrefix) + std::to_string(m_entries.size()) + '\n';
  const std::string path = joinPath(cacheFolder, kFileName);
  // Replaced whole: a render stopped mid-write leaves the old index or none.
  return writeFileBytes(path, text);
}

const NoteInputs* CacheIndex::find(const std::string& cacheName) const {
  auto found = m_entries.find(cacheName);
  return found == m_entries.end() ? nullptr : &found->second;
}

void CacheIndex::set(const std::string& cacheName, NoteInputs inputs) {
  bool fits = !cacheName.empty() && storable(cacheName) && storable(inputs.resampler) && storable(inputs.recording);
  for (const std::string& argument : inputs.arguments) fits = fits && storable(argument);
  if (fits) {
    m_entries[cacheName] = std::move(inputs);
  } else {
    m_entries.erase(cacheName);
  }
}

Result<CacheCheck> checkCache(const std::string& scriptPath) {
  auto calls = readResamplerCalls(scriptPath);
  if (!calls) return tl::unexpected(calls.error());
  CacheCheck check;
  check.calls = std::move(*calls);
  std::map<std::string, size_t> firstCallOf;  // cache file -> call that makes it
  for (size_t i = 0; i < check.calls.size(); ++i) {
    const ResamplerCall& call = check.calls[i];
    check.inputs.push_back(inputsOf(call));
    auto [first, isNew] = firstCallOf.try_emplace(call.cacheFile, i);
    check.makesFile.push_back(isNew);
    if (!isNew) {
      const ResamplerCall& maker = check.calls[first->second];
      if (check.inputs[first->second] != check.inputs[i])
        check.warnings.push_back("note " + std::to_string(call.noteIndex) + " plays the cached note " +
                                 call.cacheName + " made for note " + std::to_string(maker.noteIndex) +
                                 ": their resampler inputs differ, but the cache name does not tell them apart");
      continue;
    }
    auto [slot, loaded] = check.indexes.try_emplace(call.cacheFolder);
    if (loaded) slot->second = CacheIndex::load(call.cacheFolder);
    CacheIndex& index = slot->second;
    const NoteInputs* known = index.find(call.cacheName);
    if (known && *known == check.inputs[i]) continue;
    index.erase(call.cacheName);
    std::error_code ec;
    if (fs::remove(call.cacheFile, ec)) ++check.deleted;
    if (ec) return fail(ErrorCode::Unwritable, "cannot delete the stale cached note " + call.cacheFile + ": " + ec.message());
  }
  for (const auto& [folder, index] : check.indexes) {
    if (!folderExists(folder)) continue;
    if (auto saved = saveOrForget(index, folder); !saved) return tl::unexpected(saved.error());
  }
  return check;
}

Result<void> recordCache(CacheCheck& check) {
  for (size_t i = 0; i < check.calls.size(); ++i) {
    if (!check.makesFile[i]) continue;
    const ResamplerCall& call = check.calls[i];
    CacheIndex& index = check.indexes[call.cacheFolder];
    const NoteInputs& before = check.inputs[i];
    NoteInputs now = inputsOf(call);
    const bool unchanged = now.recordingStamp == before.recordingStamp &&
                           (now.frqStamp == before.frqStamp || !before.frqStamp.exists);
    if (unchanged && stampOf(call.cacheFile).exists) {
      index.set(call.cacheName, std::move(now));
    } else {
      index.erase(call.cacheName);
    }
  }
  for (const auto& [folder, index] : check.indexes) {
    if (!folderExists(folder)) continue;
    if (auto saved = saveOrForget(index, folder); !saved) return tl::unexpected(saved.error());
  }
  return {};
}

}  // namespace ruvo
