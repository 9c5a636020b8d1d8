#pragma once
// The editor's language at run time. Texts are written in Japanese; English
// comes from the compiled translation embedded in the program (":/i18n").
// In Japanese, Qt's own translation is loaded so that standard buttons and
// dialogs speak Japanese too.

#include <optional>

#include "settings/ui_language.h"

class QCoreApplication;

namespace ruvo::gui {

// Installs the translators of `language` into the application (replacing
// those of an earlier call). Returns false when a translation that should
// exist could not be loaded; the texts then stay as written.
bool installTranslations(QCoreApplication& app, UiLanguage language);

// The language chosen in the options dialog; nullopt: follow the desktop.
// Kept in the editor's own preferences (QSettings "ruvo"/"ruvo").
std::optional<UiLanguage> storedUiLanguage();
void storeUiLanguage(std::optional<UiLanguage> language);

}  // namespace ruvo::gui
