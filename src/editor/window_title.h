#pragma once
// The main window's caption: the project name, the project file's name in
// brackets when there is one, and the application title (the TransformTitle
// setting, or the product name when that is empty).

#include <string>

#include "settings/settings.h"
#include "song/song_model.h"

namespace ruvo {

std::string applicationTitle(const Settings& settings);
std::string windowTitle(const Song& song, const Settings& settings);

}  // namespace ruvo
