#include "fuzz/scratch_folder.h"

#include <cstdlib>
#include <fstream>

#include "support/temp_folder.h"

namespace ruvo::fuzz {

const std::string& scratchFolder() {
  static const ruvo::testing::TempFolder folder("ruvo_fuzz");
  return folder.path();
}

std::string putScratchFile(const std::string& name, std::string_view bytes) {
  const std::string path = scratchFolder() + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::abort();  // a full disk is no finding; stop rather than fuzz nothing
  return path;
}

}  // namespace ruvo::fuzz
