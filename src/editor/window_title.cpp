#include "editor/window_title.h"

#include "core/paths.h"
#include "editor/session_texts.h"

namespace ruvo {

std::string applicationTitle(const Settings& settings) {
  return settings.TransformTitle.empty() ? std::string(kProductTitle) : settings.TransformTitle;
}

std::string windowTitle(const Song& song, const Settings& settings) {
  if (song.projectPath.empty()) return song.projectName + " - " + applicationTitle(settings);
  return song.projectName + " (" + fileNameOf(song.projectPath) + ") - " + applicationTitle(settings);
}

}  // namespace ruvo
