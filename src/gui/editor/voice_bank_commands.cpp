#include "gui/editor/voice_bank_commands.h"

#include <QAction>

#include "core/paths.h"
#include "gui/editor/editor_view.h"
#include "gui/voicebank/frequency_table_dialog.h"
#include "gui/voicebank/oto_settings_dialog.h"
#include "settings/cache_cleanup.h"

namespace ruvo::gui {
namespace {

void editVoiceBank(EditorView& view, ProjectSession& session, MediaService& media) {
  const Song& song = session.song();
  const Settings& settings = session.settings();
  std::string target;
  if (song.selFirst >= 0 && song.selFirst < song.noteCount) {
    const Note& note = song.notes[static_cast<size_t>(song.selFirst)];
    target = session.tables().prefix.getPrefix(note.noteNumber, song.voiceFolder) + note.lyric;
  }
  const std::string cacheFolder =
      song.cacheDir.empty() ? joinPath(session.folders().tempDir, "temp.cache") : song.cacheDir;
  Prompts& prompts = session.services().prompts;
  OtoSettingsServices services{
      prompts, session.services().files, media,
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
  OtoSettingsDialog dialog(view.widget(), {song.voiceFolder, target, settings.Tool2Path, session.folders().tempDir,
                                     settings.DebugMode},
                           services);
  dialog.exec();
  session.loadAliasTable(song.voiceFolder);
}

}  // namespace

void connectVoiceBankCommands(EditorView& view, ProjectSession& session, MediaService& media) {
  QAction* action = view.menus().action(QStringLiteral("mnEditAlias"));
  QObject::connect(action, &QAction::triggered, view.widget(),
                   [&view, &session, &media] { editVoiceBank(view, session, media); });
  action->setEnabled(true);
}

}  // namespace ruvo::gui
