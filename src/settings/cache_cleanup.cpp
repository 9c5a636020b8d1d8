#include "settings/cache_cleanup.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

#include "core/paths.h"
#include "song/note_name.h"
#include "settings/wav_listing.h"

namespace ruvo {

namespace {

constexpr int64_t kBytesPerMegabyte = 1048576;
// Further back than any file system dates a file; keeps mktime in range.
constexpr int32_t kLongestInterval = 1000000;

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool lessNoCase(const std::string& a, const std::string& b) {
  auto noCase = [](char x, char y) {
    return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
  };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), noCase)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), noCase)) return false;
  return a < b;  // names that differ only in letter case: any fixed order
}

Result<int> deleteMatching(const std::string& folder, const std::function<bool(const WavFileEntry&)>& match) {
  if (folder.empty()) return 0;
  auto files = listWavFiles(folder);
  if (!files) return tl::unexpected(files.error());
  int deleted = 0;
  for (const auto& file : *files)
    if (match(file) && deleteWavFile(file) == Deletion::Deleted) ++deleted;
  return deleted;
}

}  // namespace

Result<int> deleteAllCache(const std::string& folder) {
  return deleteMatching(folder, [](const WavFileEntry&) { return true; });
}

Result<int> deleteCacheBySize(const std::string& folder, int32_t limitMegabytes) {
  int64_t limit = static_cast<int64_t>(limitMegabytes) * kBytesPerMegabyte;
  if (folder.empty() || limit <= 0) return 0;
  auto files = listWavFiles(folder);
  if (!files) return tl::unexpected(files.error());
  int64_t total = 0;
  for (const auto& file : *files) total += file.size;
  if (total <= limit) return 0;
  std::sort(files->begin(), files->end(), [](const WavFileEntry& a, const WavFileEntry& b) {
    if (a.modified != b.modified) return a.modified < b.modified;
    return lessNoCase(a.path, b.path);
  });
  int deleted = 0;
  for (const auto& file : *files) {
    if (total < limit) break;
    Deletion result = deleteWavFile(file);
    if (result == Deletion::Kept) continue;
    total -= file.size;
    if (result == Deletion::Deleted) ++deleted;
  }
  return deleted;
}

Result<int> deleteCacheByDate(const std::string& folder, int32_t intervalDays, std::time_t now) {
  if (folder.empty() || intervalDays <= 0) return 0;
  std::tm local{};
  if (::localtime_r(&now, &local) == nullptr) return 0;
  local.tm_mday -= std::min(intervalDays, kLongestInterval);
  local.tm_isdst = -1;
  std::time_t cutoff = std::mktime(&local);
  return deleteMatching(folder, [cutoff](const WavFileEntry& file) { return file.modified < cutoff; });
}

Result<int> deleteCacheOfSample(const std::string& folder, const std::string& name) {
  if (name.empty()) return 0;
  std::string prefix = name + "_";
  std::string inner = "_" + name + "_";
  return deleteMatching(folder, [&](const WavFileEntry& file) {
    return startsWith(file.name, prefix) || file.name.find(inner) != std::string::npos;
  });
}

Result<int> deleteCacheOfSamplePitch(const std::string& folder, const std::string& name, int noteNumber) {
  std::string prefix = name + "_" + noteNameOf(noteNumber) + "_";
  return deleteMatching(folder, [&](const WavFileEntry& file) { return startsWith(file.name, prefix); });
}

Result<int> deleteCacheOfNote(const std::string& folder, int16_t noteIndex) {
  std::string prefix = std::to_string(noteIndex) + "_";
  return deleteMatching(folder, [&](const WavFileEntry& file) { return startsWith(file.name, prefix); });
}

}  // namespace ruvo
