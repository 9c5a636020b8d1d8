#include "settings/file_requests.h"

#include "core/paths.h"

namespace ruvo {

std::optional<std::string> chooseVoiceFolder(FileChooser& chooser) {
  FileDialogRequest request;
  request.filter = kRecordingFilter;
  request.defaultName = kRecordingProposedName;
  auto chosen = chooser.openFile(request);
  if (!chosen) return std::nullopt;
  return folderOf(*chosen);
}

std::optional<std::string> chooseToolProgram(FileChooser& chooser) {
  FileDialogRequest request;
  request.filter = kToolFilter;
  // Programs here have no ".exe": the dialog starts on every file.
  request.selectedFilter = 1;
  return chooser.openFile(request);
}

}  // namespace ruvo
