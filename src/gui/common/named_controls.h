#pragma once
// Small makers for the controls of the settings dialogs: each control gets
// its name as objectName, so tests and the editor find it by that name, and
// texts cross between the form models (UTF-8) and Qt through qt_text.h.

#include <QString>

#include "gui/common/qt_text.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ruvo::gui {

QPushButton* namedButton(QWidget* parent, const char* name, const QString& text);
// The narrow "..." button beside a box that opens a file dialog.
QPushButton* namedBrowseButton(QWidget* parent, const char* name);
QLineEdit* namedLineEdit(QWidget* parent, const char* name);
// A caption or explanation; long texts wrap.
QLabel* captionLabel(QWidget* parent, const QString& text, bool wrap = false);

}  // namespace ruvo::gui
