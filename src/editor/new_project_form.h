#pragma once
// The project-properties form (Form3) as plain data: what it shows when it
// opens, what its cache button does, and what OK hands back. The dialog
// widget is a thin face over it.

#include <optional>
#include <string>
#include <vector>

#include "core/error.h"
#include "settings/settings.h"

namespace ruvo {

struct ProjectFields {
  std::string name;
  std::string output;       // output WAV
  std::string voiceFolder;
  std::string joinerPath;
  std::string resamplerPath;
  std::string cacheFolder;  // shown only; the form's cache button empties it
  std::string flags;
};

class NewProjectForm {
 public:
  // The fields to show, the working folder (whose "temp.cache" stands in
  // for an empty cache folder) and the registered voice banks.
  NewProjectForm(ProjectFields fields, const std::string& tempDir, const Settings& settings);

  const ProjectFields& fields() const { return m_fields; }
  ProjectFields& fields() { return m_fields; }
  // The folders of the registered voice banks, for the folder list.
  const std::vector<std::string>& voiceFolders() const { return m_voiceFolders; }
  // Whether the cache folder holds any "*.wav" when the form opens.
  bool canDeleteCache() const { return m_canDeleteCache; }

  // Deletes every "*.wav" of the cache folder; the message to show when any
  // file went (empty when none did).
  [[nodiscard]] Result<std::string> deleteCache() const;

  // What OK hands back: the output gets ".wav" unless it already ends in
  // ".wav" or ".WAV"; the flags lose blanks at both ends and every space,
  // ";" and double quote.
  ProjectFields confirmed() const;

 private:
  ProjectFields m_fields;
  std::vector<std::string> m_voiceFolders;
  bool m_canDeleteCache = false;
};

}  // namespace ruvo
