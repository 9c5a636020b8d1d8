#include "render/trust_choice.h"

namespace ruvo {

LoadedTrust loadToolTrust(const Settings& settings, const std::string& programFolder,
                          const std::string& settingsFile) {
  LoadedTrust loaded;
  loaded.trust.chosen = {settings.Tool1Path, settings.Tool2Path, programFolder + "/splicer",
                         programFolder + "/resampler"};
  auto remembered = TrustedPrograms::load(TrustedPrograms::fileBeside(settingsFile));
  if (remembered)
    loaded.trust.remembered = std::move(*remembered);
  else
    loaded.problem = remembered.error().message;
  return loaded;
}

Result<void> applyTrustChoice(TrustChoice choice, const UntrustedTool& tool, ToolTrust& trust, Song& song,
                              const Settings& settings, const std::string& trustFile) {
  switch (choice) {
    case TrustChoice::Cancel:
      return {};
    case TrustChoice::UseConfigured: {
      const bool joiner = tool.role == "joiner";
      std::string& path = joiner ? song.joinerPath : song.resamplerPath;
      const std::string& configured = joiner ? settings.Tool1Path : settings.Tool2Path;
      if (path != configured) {
        path = configured;
        song.modified = true;
      }
      return {};
    }
    case TrustChoice::Run: {
      trust.remembered.add(tool.program);
      return TrustedPrograms::addToFile(trustFile, {tool.program});
    }
  }
  return {};
}

}  // namespace ruvo
