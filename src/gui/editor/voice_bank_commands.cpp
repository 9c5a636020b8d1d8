#include "gui/editor/voice_bank_commands.h"

#include <QAction>

#include "core/paths.h"
#include "gui/editor/main_window.h"
#include "gui/editor/render_controller.h"
#include "gui/voicebank/frequency_table_dialog.h"
#include "gui/voicebank/oto_settings_dialog.h"
#include "settings/cache_cleanup.h"

namespace ruvo::gui {
namespace {

void editVoiceBank(MainWindow& window) {
  ProjectSession& session = window.session();
  Song& song = session.song();
  const Settings& settings = session.settings();
  std::string target;
  if (song.selFirst >= 0 && song.selFirst < song.noteCount) {
    const Note& note = song.notes[static_cast<size_t>(song.selFirst)];
    target = session.tables().prefix.getPrefix(note.noteNumber, song.voiceFolder) + note.lyric;
  }
  const std::string cacheFolder =
      song.cacheDir.empty() ? joinPath(session.folders().tempDir, "temp.cache") : song.cacheDir;
  Prompts& prompts = window.services().prompts;
  auto* render = window.findChild<RenderController*>();
  if (!render) return;
  OtoSettingsServices services{
      prompts, window.services().files, render->media(),
      // A recording in a subfolder ("A3/a") has its notes in the same
      // subfolder of the cache.
      [cacheFolder, &prompts](const std::string& name) {
        const std::string sub = folderOf(name);
        auto deleted = deleteCacheOfSample(sub.empty() ? cacheFolder : joinPath(cacheFolder, nativePath(sub)),
                                           fileNameOf(name));
        if (!deleted) prompts.message(deleted.error().message, OtoSettingsDialog::kCaption, MessageIcon::Warning);
      },
      [&prompts, &settings, &session, cacheFolder](QWidget* owner, const std::string& wavPath) {
        return FrequencyTableDialog::edit(wavPath, {prompts, settings, session.folders().tempDir, cacheFolder},
                                          owner);
      }};
  OtoSettingsDialog dialog(&window, {song.voiceFolder, target, settings.Tool2Path, session.folders().tempDir,
                                     settings.DebugMode},
                           services);
  dialog.exec();
  session.loadAliasTable(song.voiceFolder);
}

}  // namespace

void connectVoiceBankCommands(MainWindow& window) {
  QAction* action = window.menus().action(QStringLiteral("mnEditAlias"));
  QObject::connect(action, &QAction::triggered, &window, [&window] { editVoiceBank(window); });
  action->setEnabled(true);
}

}  // namespace ruvo::gui
