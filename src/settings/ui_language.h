#pragma once
// The language of the editor's texts. Japanese is the language the texts
// are written in; English is their translation. The language is chosen, in
// this order, by `ruvo --lang ja|en`, by the choice stored from the options
// dialog, and by the locale of the desktop.

#include <optional>
#include <string>
#include <string_view>

namespace ruvo {

enum class UiLanguage { Japanese, English };

// "ja" and "en" (the --lang values and the stored choice); nullopt for any
// other text, "" included.
std::optional<UiLanguage> parseUiLanguage(std::string_view name);
std::string_view uiLanguageName(UiLanguage language);

// The locale variables that decide the language; empty when unset.
struct LocaleEnvironment {
  std::string lcAll;       // LC_ALL
  std::string lcMessages;  // LC_MESSAGES
  std::string lang;        // LANG
};
LocaleEnvironment processLocaleEnvironment();

// The language of the desktop locale: the first set variable of LC_ALL,
// LC_MESSAGES and LANG names it (as the C library reads them), and a
// Japanese locale ("ja", "ja_JP.UTF-8", "ja_JP@...") gives Japanese; any
// other, "C" and none at all give English.
UiLanguage localeUiLanguage(const LocaleEnvironment& env);

// The language in force: the command line's, else the stored choice, else
// the locale's.
UiLanguage chooseUiLanguage(std::optional<UiLanguage> commandLine, std::optional<UiLanguage> stored,
                            const LocaleEnvironment& env);

}  // namespace ruvo
