#include "gui/common/qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>

#include "gui/common/qt_text.h"
#include "gui/translations/logic_text.h"

namespace ruvo::gui {

QStringList qtFilters(const std::string& filter) {
  QStringList parts = logicText(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters;
}

QStringList defaultSuffixes(const std::string& filter) {
  QStringList parts = qs(filter).split(QLatin1Char('|'));
  QStringList suffixes;
  QString first;
  for (qsizetype i = 1; i < parts.size(); i += 2) {
    const QString pattern = parts[i].split(QLatin1Char(';')).constFirst().trimmed();
    QString suffix = pattern.startsWith(QStringLiteral("*.")) ? pattern.mid(2) : QString();
    if (suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?'))) suffix.clear();
    if (first.isEmpty()) first = suffix;
    suffixes << suffix;
  }
  for (QString& suffix : suffixes)
    if (suffix.isEmpty()) suffix = first;
  return suffixes;
}

namespace {

std::optional<std::string> run(QWidget* owner, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner, logicText(request.title));
  dialog.setObjectName(QStringLiteral("FileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  QStringList filters = qtFilters(request.filter);
  dialog.setNameFilters(filters);
  if (request.selectedFilter >= 0 && request.selectedFilter < filters.size())
    dialog.selectNameFilter(filters[request.selectedFilter]);
  if (mode == QFileDialog::AcceptSave) {
    // The dialog completes a name typed without its extension before it
    // asks about replacing a file, so that question sees the real name.
    const QStringList suffixes = defaultSuffixes(request.filter);
    auto follow = [&dialog, filters, suffixes](const QString& chosen) {
      const qsizetype index = filters.indexOf(chosen);
      dialog.setDefaultSuffix(index >= 0 && index < suffixes.size() ? suffixes[index] : QString());
    };
    follow(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, follow);
  }
  if (!request.folder.empty()) dialog.setDirectory(qs(request.folder));
  if (!request.defaultName.empty()) dialog.selectFile(qs(request.defaultName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return utf8(QDir::cleanPath(dialog.selectedFiles().constFirst()));
}

}  // namespace

std::optional<std::string> QtFileChooser::openFile(const FileDialogRequest& request) {
  return run(m_owner, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtFileChooser::saveFile(const FileDialogRequest& request) {
  return run(m_owner, request, QFileDialog::AcceptSave);
}

std::optional<std::string> QtFileChooser::chooseFolder(const FileDialogRequest& request) {
  QString folder = QFileDialog::getExistingDirectory(m_owner, logicText(request.title), qs(request.folder),
                                                     QFileDialog::DontUseNativeDialog);
  if (folder.isEmpty()) return std::nullopt;
  return utf8(folder);
}

}  // namespace ruvo::gui
