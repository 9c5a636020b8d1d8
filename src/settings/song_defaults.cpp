#include "settings/song_defaults.h"

namespace ruvo {

std::string voiceBankName(const std::string& entry) { return entry.substr(0, entry.find('\t')); }

std::string voiceBankFolder(const std::string& entry) {
  size_t tab = entry.find('\t');
  if (tab == std::string::npos) return "";
  size_t next = entry.find('\t', tab + 1);
  return entry.substr(tab + 1, next == std::string::npos ? std::string::npos : next - tab - 1);
}

ClearDefaults clearDefaultsFrom(const Settings& settings) {
  ClearDefaults defaults;
  if (!settings.OtoList.empty()) defaults.voiceFolder = voiceBankFolder(settings.OtoList.front());
  defaults.joinerPath = settings.Tool1Path;
  defaults.resamplerPath = settings.Tool2Path;
  return defaults;
}

}  // namespace ruvo
