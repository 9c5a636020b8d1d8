#pragma once
// What a new or cleared song takes from the settings: the folder of the
// first registered voice bank and the two tool paths.

#include <string>

#include "song/song_model.h"
#include "settings/settings.h"

namespace ruvo {

// The parts of a voice-bank entry ("name" TAB "folder"). An entry without a
// TAB has a name and no folder; a name that held "," in the file has extra
// TAB fields, and the folder is then the second field, as the entry reads.
std::string voiceBankName(const std::string& entry);
std::string voiceBankFolder(const std::string& entry);

ClearDefaults clearDefaultsFrom(const Settings& settings);

}  // namespace ruvo
