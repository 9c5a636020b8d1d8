#include "voicebank/prefix_map.h"

#include <algorithm>
#include <filesystem>

#include "core/paths.h"
#include "song/note_name.h"
#include "song/song_model.h"

namespace ruvo {

Result<int> PrefixMap::load(const std::string& folder) {
  std::string path = joinPath(folder, "prefix.map");
  m_loadError.reset();
  std::error_code ec;
  if (folder.empty() || !std::filesystem::exists(path, ec)) {
    loadDocument({});
    return 0;
  }
  auto document = readTextDocument(path);
  if (!document) {
    loadDocument({});
    m_loadError = document.error();
    return tl::unexpected(document.error());
  }
  loadDocument(std::move(*document));
  return static_cast<int>(m_lines.size());
}

void PrefixMap::loadLines(const std::vector<std::string>& lines) {
  TextDocument document;
  document.lines = lines;
  loadDocument(std::move(document));
}

void PrefixMap::loadDocument(TextDocument document) {
  m_loaded = true;
  m_document = std::move(document);
  m_lines.clear();
  for (const auto& line : m_document.lines) {
    if (!line.empty()) m_lines.push_back(line);
  }
}

std::vector<std::string> PrefixMap::fieldsFor(int noteNumber, const std::string& voiceFolder) {
  if (!m_loaded) (void)load(voiceFolder);
  std::string key = noteNameOf(noteNumber);
  for (const auto& line : m_lines) {
    auto fields = splitFields(line, '\t');
    if (fields[0] == key) return fields;
  }
  return {};
}

std::string PrefixMap::getPrefix(int noteNumber, const std::string& voiceFolder) {
  auto fields = fieldsFor(noteNumber, voiceFolder);
  return fields.size() > 1 ? fields[1] : std::string();
}

std::string PrefixMap::getSuffix(int noteNumber, const std::string& voiceFolder) {
  auto fields = fieldsFor(noteNumber, voiceFolder);
  return fields.size() > 2 ? fields[2] : std::string();
}

std::vector<std::string> PrefixMap::suffixes() const {
  std::vector<std::string> found;
  for (const auto& line : m_lines) {
    auto fields = splitFields(line, '\t');
    if (fields.size() > 2 && !fields[2].empty() && std::find(found.begin(), found.end(), fields[2]) == found.end())
      found.push_back(fields[2]);
  }
  return found;
}

}  // namespace ruvo
