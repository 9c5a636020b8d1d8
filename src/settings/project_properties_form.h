#pragma once
// The project-property dialog without its widgets: the project's name,
// output, voice folder, tools and flags as typed, the registered voice
// folders to choose from, and the cache folder it can empty.

#include <string>
#include <vector>

#include "core/file_chooser.h"
#include "core/prompts.h"
#include "settings/project_properties.h"
#include "settings/settings.h"

namespace ruvo {

inline constexpr const char* kCacheDeletedMessage = "WAV作成時の中間ファイルを全て削除しました。";
// Followed by the files left, one a line.
inline constexpr const char* kCacheNotDeletedMessage = "次の中間ファイルを削除できませんでした:";

class ProjectPropertiesForm {
 public:
  // The boxes show `properties`. The cache folder is properties.cacheDir,
  // or tempDir's "temp.cache" when that is empty.
  ProjectPropertiesForm(const ProjectProperties& properties, const Settings& settings, const std::string& tempDir);

  // The folders of the registered voice banks that have one, in order.
  const std::vector<std::string>& voiceFolderChoices() const { return m_voiceFolderChoices; }
  const std::string& cacheFolder() const { return m_cacheFolder; }

  // True when the cache folder holds at least one "*.wav" file.
  bool cacheHasFiles() const;
  // Deletes every "*.wav" of the cache folder at once (whatever closes the
  // dialog later) and says so when at least one was deleted; files that
  // could not be deleted are named instead. A folder that cannot be listed
  // is reported as an unexpected error.
  void deleteCache(Prompts& prompts) const;

  void browseVoiceFolder(FileChooser& chooser);
  void browseTool1(FileChooser& chooser);
  void browseTool2(FileChooser& chooser);

  // The project settings of the confirmed dialog: name, voice folder and
  // tools as typed, the output name with ".wav" completed, the flags without
  // spaces, ";" or quotes; line breaks removed from all; cacheDir as given.
  ProjectProperties confirmed() const;

  std::string projectName;
  std::string outputFile;
  std::string voiceFolder;
  std::string joinerPath;
  std::string resamplerPath;
  std::string projectFlags;

 private:
  std::vector<std::string> m_voiceFolderChoices;
  std::string m_cacheDir;
  std::string m_cacheFolder;
};

}  // namespace ruvo
