// ruvo: the windowed editor. `ruvo [FILE]` opens FILE at start-up as Open
// would; `--lang ja|en` picks the language of its texts for this run;
// `--screenshot DIR` (for the documentation script) saves pictures of the
// window and its dialogs into DIR and quits.

#include <optional>

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QSettings>
#include <QTextStream>
#include <QWidget>

#include "gui/editor/editor_parts.h"
#include "gui/editor/screenshots.h"
#include "gui/editor/window_place.h"
#include "gui/common/qt_prompts.h"
#include "gui/common/qt_text.h"
#include "gui/translations/translations.h"
#include "settings/session_settings.h"
#include "settings/ui_language.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ruvo"));
  QApplication::setApplicationVersion(QStringLiteral(RUVO_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/ruvo/ruvo.png")));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("ruvo writes a melody as notes with lyrics and renders it with a voice bank to a WAV file.\n"
                     "The language follows the desktop locale (Japanese locales: Japanese, others: English),\n"
                     "unless the options dialog or --lang chooses one."));
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("project to open: a project batch file (.bat), a sequence file "
                                              "(.wsq), or a MIDI (.mid, .smf) or VSQ (.vsq) file to import"));
  QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("show the texts in LANG: ja (Japanese) or en (English)"),
                          QStringLiteral("LANG"));
  parser.addOption(lang);
  QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("save pictures into DIR"),
                                QStringLiteral("DIR"));
  screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(screenshot);
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(app);
  std::optional<ruvo::UiLanguage> chosen;
  if (parser.isSet(lang)) {
    chosen = ruvo::parseUiLanguage(ruvo::gui::utf8(parser.value(lang)));
    if (!chosen) {
      QTextStream(stderr) << "ruvo: error: --lang takes ja or en, not '" << parser.value(lang) << "'\n";
      return 2;
    }
  }
  const ruvo::UiLanguage language =
      ruvo::chooseUiLanguage(chosen, ruvo::gui::storedUiLanguage(), ruvo::processLocaleEnvironment());
  // Without Qt's Japanese (a recommended package) only the standard buttons stay English.
  if (!ruvo::gui::installTranslations(app, language) && language == ruvo::UiLanguage::English)
    QTextStream(stderr) << "ruvo: warning: the English texts could not be loaded; the texts stay Japanese\n";

  auto loaded = ruvo::loadSessionSettings(ruvo::resolveAppFolders());
  if (!loaded) {
    ruvo::gui::QtPrompts(nullptr).message(loaded.error().message, "ruvo", ruvo::MessageIcon::Critical);
    return 1;
  }
  ruvo::SessionSettings settings = std::move(*loaded);
  ruvo::gui::EditorParts editor(settings);
  QWidget& window = editor.windowWidget();
  QSettings preferences(QStringLiteral("ruvo"), QStringLiteral("ruvo"));
  // Placed before a file opens, so that it opens scrolled for the window's size.
  if (!parser.isSet(screenshot)) ruvo::gui::restoreWindowPlace(window, preferences);
  if (!parser.positionalArguments().isEmpty())
    editor.session().openPath(ruvo::gui::utf8(parser.positionalArguments().constFirst()));
  if (parser.isSet(screenshot)) return ruvo::gui::saveScreenshots(editor, parser.value(screenshot));
  window.show();
  const int status = QApplication::exec();
  ruvo::gui::storeWindowPlace(window, preferences);
  return status;
}
