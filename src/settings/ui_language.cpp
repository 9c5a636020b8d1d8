#include "settings/ui_language.h"

#include <cstdlib>

namespace ruvo {

namespace {

std::string variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

std::optional<UiLanguage> parseUiLanguage(std::string_view name) {
  if (name == "ja") return UiLanguage::Japanese;
  if (name == "en") return UiLanguage::English;
  return std::nullopt;
}

std::string_view uiLanguageName(UiLanguage language) { return language == UiLanguage::Japanese ? "ja" : "en"; }

LocaleEnvironment processLocaleEnvironment() {
  return {variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

UiLanguage localeUiLanguage(const LocaleEnvironment& env) {
  std::string_view locale;
  for (const std::string* value : {&env.lcAll, &env.lcMessages, &env.lang}) {
    if (!value->empty()) {
      locale = *value;
      break;
    }
  }
  const bool japanese = locale.substr(0, 2) == "ja" && (locale.size() == 2 || locale.find_first_of("_.@") == 2);
  return japanese ? UiLanguage::Japanese : UiLanguage::English;
}

UiLanguage chooseUiLanguage(std::optional<UiLanguage> commandLine, std::optional<UiLanguage> stored,
                            const LocaleEnvironment& env) {
  if (commandLine) return *commandLine;
  if (stored) return *stored;
  return localeUiLanguage(env);
}

}  // namespace ruvo
