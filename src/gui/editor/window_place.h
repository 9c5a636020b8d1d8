#pragma once
// The main window's size and position, kept between runs in the program's
// own preferences (QSettings "ruvo"), not in setting.ini.

class QSettings;
class QWidget;

namespace ruvo::gui {

// Gives the window the size and position last stored; nothing when none was
// or the stored one no longer fits a screen.
void restoreWindowPlace(QWidget& window, const QSettings& store);
void storeWindowPlace(const QWidget& window, QSettings& store);

}  // namespace ruvo::gui
