#include "editor/new_project_form.h"

#include "core/paths.h"
#include "editor/session_texts.h"
#include "settings/cache_cleanup.h"
#include "settings/song_defaults.h"
#include "settings/wav_listing.h"

namespace ruvo {

NewProjectForm::NewProjectForm(ProjectFields fields, const std::string& tempDir, const Settings& settings)
    : m_fields(std::move(fields)) {
  for (const auto& entry : settings.OtoList) {
    std::string folder = voiceBankFolder(entry);
    if (!entry.empty() && !folder.empty()) m_voiceFolders.push_back(folder);
  }
  if (m_fields.cacheFolder.empty()) m_fields.cacheFolder = joinPath(tempDir, "temp.cache");
  auto listed = listWavFiles(nativePath(m_fields.cacheFolder));
  m_canDeleteCache = listed && !listed->empty();
}

Result<std::string> NewProjectForm::deleteCache() const {
  auto deleted = deleteAllCache(nativePath(m_fields.cacheFolder));
  if (!deleted) return tl::unexpected(deleted.error());
  return *deleted > 0 ? std::string(kCacheDeletedText) : std::string();
}

ProjectFields NewProjectForm::confirmed() const {
  ProjectFields result = m_fields;
  std::string_view tail = std::string_view(result.output).substr(result.output.size() < 4 ? 0 : result.output.size() - 4);
  if (tail != ".wav" && tail != ".WAV") result.output += ".wav";
  std::string flags;
  for (char c : result.flags)
    if (c != ' ' && c != ';' && c != '"') flags += c;
  result.flags = flags;
  return result;
}

}  // namespace ruvo
