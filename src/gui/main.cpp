// ruvo: the windowed editor. `ruvo [FILE]` opens FILE at start-up as Open
// would; `--screenshot DIR` (for the documentation script) saves pictures of
// the window and its dialogs into DIR and quits.

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include "gui/editor/main_window.h"
#include "gui/editor/screenshots.h"
#include "gui/services/qt_prompts.h"
#include "gui/services/qt_text.h"
#include "settings/session_settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ruvo"));
  QApplication::setApplicationVersion(QStringLiteral(RUVO_VERSION));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/ruvo/ruvo.png")));

  QCommandLineParser parser;
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("project to open"));
  QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("save pictures into DIR"),
                                QStringLiteral("DIR"));
  screenshot.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(screenshot);
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(app);

  auto loaded = ruvo::loadSessionSettings(ruvo::resolveAppFolders());
  if (!loaded) {
    ruvo::gui::QtPrompts(nullptr).message(loaded.error().message, "ruvo", ruvo::MessageIcon::Critical);
    return 1;
  }
  ruvo::SessionSettings settings = std::move(*loaded);
  ruvo::gui::MainWindow window(settings);
  if (!parser.positionalArguments().isEmpty())
    window.session().openPath(ruvo::gui::ss(parser.positionalArguments().constFirst()));
  if (parser.isSet(screenshot)) return ruvo::gui::saveScreenshots(window, parser.value(screenshot));
  window.show();
  return QApplication::exec();
}
