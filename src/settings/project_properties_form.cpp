#include "settings/project_properties_form.h"

#include "core/paths.h"
#include "settings/cache_cleanup.h"
#include "settings/file_requests.h"
#include "settings/song_defaults.h"
#include "settings/wav_listing.h"

namespace ruvo {

ProjectPropertiesForm::ProjectPropertiesForm(const ProjectProperties& properties, const Settings& settings,
                                             const std::string& tempDir)
    : projectName(properties.projectName),
      outputFile(properties.outputFile),
      voiceFolder(properties.voiceFolder),
      joinerPath(properties.joinerPath),
      resamplerPath(properties.resamplerPath),
      projectFlags(properties.projectFlags),
      m_cacheDir(properties.cacheDir),
      m_cacheFolder(properties.cacheDir.empty() ? joinPath(tempDir, "temp.cache") : properties.cacheDir) {
  for (const auto& entry : settings.OtoList) {
    std::string folder = voiceBankFolder(entry);
    if (!folder.empty()) m_voiceFolderChoices.push_back(folder);
  }
}

bool ProjectPropertiesForm::cacheHasFiles() const {
  auto files = listWavFiles(m_cacheFolder);
  return files && !files->empty();
}

void ProjectPropertiesForm::deleteCache(Prompts& prompts) const {
  auto deleted = deleteAllCache(m_cacheFolder);
  if (!deleted) return prompts.message(deleted.error().message, kUnexpectedErrorTitle, MessageIcon::Critical);
  // Whatever is left could not be deleted: the cache was not emptied.
  auto left = listWavFiles(m_cacheFolder);
  if (!left) return prompts.message(left.error().message, kUnexpectedErrorTitle, MessageIcon::Critical);
  if (!left->empty()) {
    constexpr size_t kNamed = 10;
    std::string text = kCacheNotDeletedMessage;
    for (size_t i = 0; i < left->size() && i < kNamed; ++i) text += "\n" + (*left)[i].path;
    if (left->size() > kNamed) text += "\nほか" + std::to_string(left->size() - kNamed) + "個";
    return prompts.message(text, "", MessageIcon::Warning);
  }
  if (*deleted > 0) prompts.message(kCacheDeletedMessage, "", MessageIcon::None);
}

void ProjectPropertiesForm::browseVoiceFolder(FileChooser& chooser) {
  if (auto folder = chooseVoiceFolder(chooser)) voiceFolder = *folder;
}

void ProjectPropertiesForm::browseTool1(FileChooser& chooser) {
  if (auto path = chooseToolProgram(chooser)) joinerPath = *path;
}

void ProjectPropertiesForm::browseTool2(FileChooser& chooser) {
  if (auto path = chooseToolProgram(chooser)) resamplerPath = *path;
}

ProjectProperties ProjectPropertiesForm::confirmed() const {
  return {withoutControlCharacters(projectName),
          confirmedOutputName(outputFile),
          withoutControlCharacters(voiceFolder),
          withoutControlCharacters(joinerPath),
          withoutControlCharacters(resamplerPath),
          m_cacheDir,
          confirmedFlags(projectFlags)};
}

}  // namespace ruvo
