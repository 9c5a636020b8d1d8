#pragma once
// The "*.wav" files directly inside one folder, as the cache operations see
// them. Only regular files count: sub-folders and symbolic links are never
// listed, so no operation built on this list reaches outside the folder.

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo {

struct WavFileEntry {
  std::string path;  // folder + "/" + name
  std::string name;  // file name only
  int64_t size = 0;  // bytes
  std::time_t modified = 0;
};

// True for a name ending in ".wav" in any letter case.
bool isWavName(const std::string& name);

// Lists the folder in directory order. A missing folder lists as empty; a
// folder that exists but cannot be read is an Unreadable error. Files that
// vanish while the folder is read are left out.
[[nodiscard]] Result<std::vector<WavFileEntry>> listWavFiles(const std::string& folder);

enum class Deletion {
  Deleted,   // this call deleted it
  Vanished,  // it was already gone
  Kept,      // it could not be deleted (locked, no permission)
};
Deletion deleteWavFile(const WavFileEntry& entry);

}  // namespace ruvo
