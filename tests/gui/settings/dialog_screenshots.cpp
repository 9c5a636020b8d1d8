// Renders the options and project-property dialogs offscreen into PNG files
// for the user guide: dialog_screenshots OUTPUT_FOLDER.

#include <cstdio>
#include <string>

#include <QApplication>
#include <QTabWidget>

#include "gui/settings/options_dialog.h"
#include "gui/settings/project_properties_dialog.h"
#include "settings/worker_count.h"
#include "support/scripted_answers.h"

namespace {

bool save(QWidget& dialog, const QString& file) {
  dialog.show();
  QApplication::processEvents();
  if (dialog.grab().save(file)) return true;
  std::fprintf(stderr, "dialog_screenshots: error: cannot write %s\n", file.toLocal8Bit().constData());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dialog_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  QApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/");
  ruvo::testing::ScriptedPrompts prompts{ruvo::testing::lenient};
  ruvo::testing::ScriptedFileChooser chooser{ruvo::testing::lenient};

  ruvo::Settings settings;
  settings.OtoList = {"デフォルト\t/opt/ruvo/bin/oto", "声２\t/home/user/voices/koe2"};
  settings.CacheEnable = true;
  settings.CacheDeleteBySize = true;
  settings.CacheDeleteSize = 500;
  settings.CacheDeleteInterval = 30;
  settings.Tool1Path = "/opt/ruvo/bin/splicer";
  settings.Tool2Path = "/opt/ruvo/bin/resampler";

  ruvo::OwnSettings own;
  own.set(ruvo::kWorkersSetting, "2");
  ruvo::gui::OptionsDialog options(nullptr, settings, own, "/opt/ruvo/bin", prompts, chooser);
  auto* tabs = options.findChild<QTabWidget*>(QStringLiteral("tbsOptions"));
  bool ok = true;
  tabs->setCurrentIndex(1);
  ok = save(options, folder + QStringLiteral("options_dialog.png")) && ok;
  tabs->setCurrentIndex(2);
  ok = save(options, folder + QStringLiteral("options_dialog_cache.png")) && ok;

  ruvo::ProjectProperties project{"新規プロジェクト", "newfile.wav", "/opt/ruvo/bin/oto", settings.Tool1Path,
                                  settings.Tool2Path, "/tmp/ruvo/none.cache", "B50N"};
  ruvo::gui::ProjectPropertiesDialog properties(nullptr, project, settings, "/tmp/ruvo", prompts, chooser);
  ok = save(properties, folder + QStringLiteral("project_properties_dialog.png")) && ok;
  return ok ? 0 : 1;
}
