#include "noteprops/note_cache_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/paths.h"

namespace ruvo {

namespace fs = std::filesystem;

namespace {

// The "*.wav" names of the folder, sorted; nothing when it cannot be listed.
std::vector<std::string> wavNames(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) return names;
  for (const auto& entry : entries) {
    std::string name = entry.path().filename().string();
    if (endsWithNoCase(name, ".wav") && entry.is_regular_file(error)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::string cachedRenderingOf(const std::string& cacheFolder, int index, std::string_view sample,
                              std::string_view noteName) {
  std::string stem = std::string(sample) + "_" + std::string(noteName) + "_";
  std::vector<std::string> names = wavNames(cacheFolder);
  for (const std::string& start : {std::to_string(index) + "_" + stem, stem}) {
    auto found = std::find_if(names.begin(), names.end(), [&](const std::string& name) { return name.starts_with(start); });
    if (found != names.end()) return joinPath(cacheFolder, *found);
  }
  return joinPath(cacheFolder, std::string(sample) + "_" + std::string(noteName) + ".wav");
}

Result<int> deleteCachedRenderings(const std::string& cacheFolder, int index, std::string_view lyric,
                                   std::string_view noteName) {
  std::string byIndex = std::to_string(index) + "_";
  std::string byName = std::string(lyric) + "_" + std::string(noteName) + "_";
  int deleted = 0;
  for (const std::string& name : wavNames(cacheFolder)) {
    if (!name.starts_with(byIndex) && !name.starts_with(byName)) continue;
    std::error_code error;
    fs::remove(fs::path(cacheFolder) / name, error);
    if (error) {
      return fail(ErrorCode::Unwritable, "cannot delete " + joinPath(cacheFolder, name) + ": " + error.message());
    }
    ++deleted;
  }
  return deleted;
}

}  // namespace ruvo
