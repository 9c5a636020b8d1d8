#include "settings/options_form.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "core/numbers.h"
#include "core/paths.h"
#include "settings/file_requests.h"

namespace ruvo {

namespace {

// A limit box as the settings store it: its leading number rounded to an
// integer, held within 32 bits. "abc", "0" and "0.4" all give 0.
int32_t limitOf(const std::string& box) {
  return clampToInt32(static_cast<double>(roundHalfEven(leadingNumber(box))));
}

// When a hand-edited file sets several rules, the one that runs at exit is
// the one shown: on unload before size before age.
CacheRule ruleOf(const Settings& settings) {
  if (settings.CacheDeleteOnUnload) return CacheRule::DeleteOnUnload;
  if (settings.CacheDeleteBySize) return CacheRule::DeleteBySize;
  if (settings.CacheDeleteByDate) return CacheRule::DeleteByDate;
  return CacheRule::Keep;
}

void replaceWhenChosen(std::string& box, std::optional<std::string> chosen) {
  if (chosen) box = std::move(*chosen);
}

}  // namespace

OptionsForm::OptionsForm(const Settings& settings, std::string programFolder)
    : voiceBanks(settings.OtoList),
      tool1Path(settings.Tool1Path),
      tool2Path(settings.Tool2Path),
      m_programFolder(std::move(programFolder)) {
  if (settings.CacheEnable) {
    cacheEnabled = true;
    cacheRule = ruleOf(settings);
    cacheLimitSize = std::to_string(settings.CacheDeleteSize);
    cacheDeleteDays = std::to_string(settings.CacheDeleteInterval);
  }
}

void OptionsForm::browseVoiceFolder(FileChooser& chooser) {
  replaceWhenChosen(voiceBanks.folder, chooseVoiceFolder(chooser));
}

void OptionsForm::browseTool1(FileChooser& chooser) { replaceWhenChosen(tool1Path, chooseToolProgram(chooser)); }

void OptionsForm::browseTool2(FileChooser& chooser) { replaceWhenChosen(tool2Path, chooseToolProgram(chooser)); }

std::string OptionsForm::missingVoiceFolder() const {
  std::error_code ec;
  if (voiceBanks.folder.empty() || std::filesystem::is_directory(nativePath(voiceBanks.folder), ec)) return "";
  return kMissingVoiceFolderMessage + voiceBanks.folder;
}

void OptionsForm::resetToolPaths() {
  tool1Path = joinPath(m_programFolder, "splicer");
  tool2Path = joinPath(m_programFolder, "resampler");
}

OptionsCheck OptionsForm::accept(Settings& settings, Prompts& prompts) const {
  if (cacheRule == CacheRule::DeleteByDate && limitOf(cacheDeleteDays) == 0) {
    prompts.message(kBadIntervalMessage, "", MessageIcon::None);
    return OptionsCheck::BadDeleteDays;
  }
  if (cacheRule == CacheRule::DeleteBySize && limitOf(cacheLimitSize) == 0) {
    prompts.message(kBadLimitMessage, "", MessageIcon::None);
    return OptionsCheck::BadLimitSize;
  }
  settings.OtoList = voiceBanks.otoList();
  settings.CacheEnable = cacheEnabled;
  settings.CacheDeleteOnUnload = cacheEnabled && cacheRule == CacheRule::DeleteOnUnload;
  settings.CacheDeleteBySize = cacheEnabled && cacheRule == CacheRule::DeleteBySize;
  settings.CacheDeleteByDate = cacheEnabled && cacheRule == CacheRule::DeleteByDate;
  if (settings.CacheDeleteBySize) settings.CacheDeleteSize = limitOf(cacheLimitSize);
  if (settings.CacheDeleteByDate) settings.CacheDeleteInterval = limitOf(cacheDeleteDays);
  settings.Tool1Path = tool1Path;
  settings.Tool2Path = tool2Path;
  return OptionsCheck::Accepted;
}

}  // namespace ruvo
