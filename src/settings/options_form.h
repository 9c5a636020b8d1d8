#pragma once
// The options dialog without its widgets: the registered voice banks, the
// cache policy and the default tool paths, loaded from the settings record
// and written back only by accept().

#include <string>

#include "core/file_chooser.h"
#include "core/prompts.h"
#include "settings/settings.h"
#include "settings/voice_bank_rows.h"

namespace ruvo {

inline constexpr const char* kBadIntervalMessage = "期限の設定が不正";
inline constexpr const char* kBadLimitMessage = "上限の設定が不正";
inline constexpr const char* kMissingVoiceFolderMessage = "音声フォルダが見つかりません: ";  // the folder follows
// What the limit boxes show while the cache is off.
inline constexpr const char* kInitialCacheLimitSize = "1000";
inline constexpr const char* kInitialCacheDeleteDays = "30";

// The four option buttons of the cache policy; exactly one is selected.
enum class CacheRule { Keep, DeleteOnUnload, DeleteBySize, DeleteByDate };

// The outcome of OK: written, or refused with the box to put the focus in.
enum class OptionsCheck { Accepted, BadDeleteDays, BadLimitSize };

class OptionsForm {
 public:
  // programFolder is where "リセット" finds the bundled tools.
  OptionsForm(const Settings& settings, std::string programFolder);

  // The option buttons and the two limit boxes are usable exactly while the
  // cache check box is checked.
  bool cacheRuleEnabled() const { return cacheEnabled; }

  // "..." beside the folder box, and beside each tool box. Cancelling
  // changes nothing.
  void browseVoiceFolder(FileChooser& chooser);
  void browseTool1(FileChooser& chooser);
  void browseTool2(FileChooser& chooser);
  // The message naming the folder box's folder when it is not empty and
  // no folder of that name exists, else "". The row is still written: the
  // folder may be on a drive that is not there now.
  std::string missingVoiceFolder() const;
  // "リセット": the tools of the program folder.
  void resetToolPaths();

  // OK. The selected limit rule needs a box that gives a whole number other
  // than 0 (checked whether or not the cache is on; negative numbers pass):
  // otherwise its message is shown and nothing is written. Then the voice
  // banks, the cache switches with the selected rule's limit, and the tool
  // paths (as typed, unchecked) replace those of the settings.
  [[nodiscard]] OptionsCheck accept(Settings& settings, Prompts& prompts) const;

  VoiceBankRows voiceBanks;
  bool cacheEnabled = false;
  CacheRule cacheRule = CacheRule::Keep;
  std::string cacheLimitSize = kInitialCacheLimitSize;    // megabytes
  std::string cacheDeleteDays = kInitialCacheDeleteDays;  // days
  std::string tool1Path;
  std::string tool2Path;

 private:
  std::string m_programFolder;
};

}  // namespace ruvo
