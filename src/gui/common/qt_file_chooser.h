#pragma once
// The file dialogs of the editor, over the core's FileChooser. Filters come
// as "description|patterns|..." pairs and become Qt's "description
// (patterns)" entries; "*.*" means every file, with or without a dot. A save
// dialog adds the chosen filter's extension to a name typed without one.

#include <QStringList>

#include "core/file_chooser.h"

class QWidget;

namespace ruvo::gui {

QStringList qtFilters(const std::string& filter);
// The extension a save dialog adds to a name typed without one, per filter
// pair: the first pattern's ("*.wsq" gives "wsq"); for a pattern of every
// file, that of the first filter, since that form is what gets saved.
QStringList defaultSuffixes(const std::string& filter);

class QtFileChooser final : public FileChooser {
 public:
  explicit QtFileChooser(QWidget* owner) : m_owner(owner) {}
  // The window the dialogs are modal to, once it exists.
  void setOwner(QWidget* owner) { m_owner = owner; }
  std::optional<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<std::string> saveFile(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFolder(const FileDialogRequest& request) override;

 private:
  QWidget* m_owner;
};

}  // namespace ruvo::gui
