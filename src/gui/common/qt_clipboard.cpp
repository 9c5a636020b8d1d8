#include "gui/common/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "gui/common/qt_text.h"

namespace ruvo::gui {

std::string QtClipboard::text() const { return utf8(QGuiApplication::clipboard()->text()); }

void QtClipboard::setText(const std::string& text) { QGuiApplication::clipboard()->setText(qs(text)); }

}  // namespace ruvo::gui
