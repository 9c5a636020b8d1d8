#include "gui/translations/translations.h"

#include <string>
#include <string_view>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace ruvo::gui {

namespace {

constexpr const char* kLanguageKey = "language";

}  // namespace

bool installTranslations(QCoreApplication& app, UiLanguage language) {
  for (QTranslator* old : app.findChildren<QTranslator*>(QStringLiteral("ruvoTranslator"), Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  auto* translator = new QTranslator(&app);
  translator->setObjectName(QStringLiteral("ruvoTranslator"));
  const bool loaded = language == UiLanguage::English
                          ? translator->load(QStringLiteral(":/i18n/ruvo_en.qm"))
                          : translator->load(QStringLiteral("qtbase_ja"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded) QCoreApplication::installTranslator(translator);
  return loaded;
}

std::optional<UiLanguage> storedUiLanguage() {
  const QSettings settings(QStringLiteral("ruvo"), QStringLiteral("ruvo"));
  return parseUiLanguage(settings.value(QString::fromLatin1(kLanguageKey)).toString().toStdString());
}

void storeUiLanguage(std::optional<UiLanguage> language) {
  QSettings settings(QStringLiteral("ruvo"), QStringLiteral("ruvo"));
  if (language) {
    const std::string_view name = uiLanguageName(*language);
    settings.setValue(QString::fromLatin1(kLanguageKey),
                      QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
  } else {
    settings.remove(QString::fromLatin1(kLanguageKey));
  }
}

}  // namespace ruvo::gui
