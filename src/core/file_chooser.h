#pragma once
// The file-open and file-save dialogs as the logic sees them. The editor
// implements it with the system's file dialogs; tests with scripted answers.

#include <optional>
#include <string>

namespace ruvo {

struct FileDialogRequest {
  std::string title;
  // Filters as pairs of description and patterns, "|"-separated as in
  // "プロジェクト (*.bat)|*.bat|すべて (*.*)|*.*".
  std::string filter;
  std::string folder;       // where the dialog starts; empty: its own choice
  std::string defaultName;  // the proposed file name (save dialogs)
  int selectedFilter = 0;   // the filter pair shown first, from 0
};

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen absolute path, or empty when the user cancelled.
  [[nodiscard]] virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
  // The absolute path to save to, or empty when cancelled. Replacing an
  // existing file has already been confirmed by the dialog.
  [[nodiscard]] virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
  // A folder, or empty when cancelled.
  [[nodiscard]] virtual std::optional<std::string> chooseFolder(const FileDialogRequest& request) = 0;
};

}  // namespace ruvo
