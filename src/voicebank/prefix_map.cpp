#include "voicebank/prefix_map.h"

#include <filesystem>

#include "core/paths.h"
#include "core/text_file.h"
#include "song/note_name.h"
#include "song/song_model.h"

namespace ruvo {

Result<int> PrefixMap::load(const std::string& folder) {
  std::string path = joinPath(folder, "prefix.map");
  m_loadError.reset();
  std::error_code ec;
  if (folder.empty() || !std::filesystem::exists(path, ec)) {
    loadLines({});
    return 0;
  }
  auto lines = readTextLines(path);
  if (!lines) {
    loadLines({});
    m_loadError = lines.error();
    return tl::unexpected(lines.error());
  }
  loadLines(*lines);
  return static_cast<int>(m_lines.size());
}

void PrefixMap::loadLines(const std::vector<std::string>& lines) {
  m_loaded = true;
  m_lines.clear();
  for (const auto& line : lines) {
    if (!line.empty()) m_lines.push_back(line);
  }
}

std::string PrefixMap::getPrefix(int noteNumber, const std::string& voiceFolder) {
  if (!m_loaded) (void)load(voiceFolder);
  std::string key = noteNameOf(noteNumber);
  for (const auto& line : m_lines) {
    auto fields = splitFields(line, '\t');
    if (fields[0] == key) return fields.size() > 1 ? fields[1] : std::string();
  }
  return {};
}

}  // namespace ruvo
