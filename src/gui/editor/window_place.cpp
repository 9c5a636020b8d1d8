#include "gui/editor/window_place.h"

#include <QSettings>
#include <QWidget>

namespace ruvo::gui {

namespace {
constexpr const char* kGeometryKey = "window/geometry";
}  // namespace

void restoreWindowPlace(QWidget& window, const QSettings& store) {
  const QByteArray geometry = store.value(QString::fromLatin1(kGeometryKey)).toByteArray();
  // restoreGeometry keeps the window on a screen that exists now.
  if (!geometry.isEmpty()) window.restoreGeometry(geometry);
}

void storeWindowPlace(const QWidget& window, QSettings& store) {
  store.setValue(QString::fromLatin1(kGeometryKey), window.saveGeometry());
}

}  // namespace ruvo::gui
