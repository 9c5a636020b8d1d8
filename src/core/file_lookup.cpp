#include "core/file_lookup.h"

#include <filesystem>

#include "core/paths.h"

namespace ruvo {

std::string existingPathIgnoringCase(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) return path;
  std::string folder = folderOf(path);
  std::string name = fileNameOf(path);
  for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, ec)) {
    std::string candidate = entry.path().filename().string();
    if (equalsNoCase(candidate, name)) return folder.empty() ? candidate : joinPath(folder, candidate);
  }
  return path;
}

}  // namespace ruvo
