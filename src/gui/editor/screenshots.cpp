#include "gui/editor/screenshots.h"

#include <functional>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

#include "core/paths.h"
#include "editor/session_texts.h"
#include "editor/window_title.h"
#include "gui/editor/about_dialog.h"
#include "gui/editor/edit_box_dialog.h"
#include "gui/editor/editor_parts.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/select_track_dialog.h"
#include "gui/noteprops/note_property_dialog.h"
#include "gui/render/show_running_window.h"
#include "gui/render/trust_tool_dialog.h"
#include "gui/settings/options_dialog.h"
#include "gui/settings/project_properties_dialog.h"
#include "gui/common/qt_file_chooser.h"
#include "gui/common/qt_prompts.h"
#include "gui/common/qt_text.h"
#include "gui/translations/logic_text.h"
#include "gui/voicebank/frequency_table_dialog.h"
#include "gui/voicebank/oto_settings_dialog.h"
#include "gui/voicebank/sample_editor_dialog.h"
#include "gui/voicebank/sound_list_window.h"
#include "noteprops/note_sound.h"
#include "noteprops/property_apply.h"
#include "render/tool_trust.h"
#include "settings/own_settings.h"
#include "voicebank/sound_list.h"

namespace ruvo::gui {

namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

bool shoot(QWidget& widget, const QString& path) {
  widget.show();
  widget.raise();
  QApplication::processEvents();
  return widget.grab().save(path);
}

// Takes the picture of the modal dialog that `open` starts, then closes it.
bool shootModal(const std::function<void()>& open, const QString& path) {
  bool saved = false;
  QTimer::singleShot(0, [&saved, path] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    saved = shoot(*dialog, path);
    dialog->close();
  });
  open();
  return saved;
}

// The voice-bank dialog over the song's voice folder with the first sung
// note's lyric selected, and the sample editor on that recording.
bool shootVoiceBank(QWidget& window, ProjectSession& session, MediaService& media, Prompts& prompts,
                    FileChooser& files, const QDir& dir) {
  const Song& song = session.song();
  if (song.voiceFolder.empty()) return true;
  std::string target;
  for (const Note& note : song.notes)
    if (!isRest(note.lyric)) {
      target = note.lyric;
      break;
    }
  OtoSettingsDialog bank(&window, {song.voiceFolder, target, "", session.folders().tempDir, false},
                         {prompts, files, media, {}, {}});
  bank.resize(980, 560);
  bool ok = shoot(bank, dir.filePath(QStringLiteral("oto_settings_dialog.png")));
  auto path = bank.form().recordingPath();
  if (!path) return false;
  auto wave = readWaveSamples(*path);
  if (!wave) return false;
  SampleEditorDialog editor(&bank, fileNameOf(*path), std::move(*wave), bank.form().sampleTimes());
  editor.resize(900, 360);
  ok &= shoot(editor, dir.filePath(QStringLiteral("sample_editor_dialog.png")));
  return ok;
}

}  // namespace

int saveScreenshots(EditorParts& editor, const QString& folder) {
  QWidget& window = editor.windowWidget();
  ProjectSession& session = editor.session();
  QDir().mkpath(folder);
  QDir dir(folder);
  bool ok = true;
  // The smallest size the top bar is laid out for, then a full-HD screen; the
  // song opened scrolled to its first notes.
  session.song().selFirst = session.song().selLast = 0;
  window.resize(1920, 1080);
  ok &= shoot(window, dir.filePath(QStringLiteral("main_window_1920x1080.png")));
  window.resize(1024, 640);
  ok &= shoot(window, dir.filePath(QStringLiteral("main_window.png")));

  // A band swept across the roll: the marker lines, the selection, its time.
  auto* roll = window.findChild<PianoRollView*>();
  const QPoint bandStart(roll->width() / 4, roll->height() - 40);
  const QPoint bandEnd(roll->width() / 2, roll->height() - 40);
  sendMouse(roll, QEvent::MouseButtonPress, bandStart, Qt::LeftButton, Qt::LeftButton);
  sendMouse(roll, QEvent::MouseMove, bandEnd, Qt::NoButton, Qt::LeftButton);
  ok &= shoot(window, dir.filePath(QStringLiteral("roll_band_sweep.png")));
  sendMouse(roll, QEvent::MouseButtonRelease, bandEnd, Qt::LeftButton, Qt::NoButton);

  QtPrompts prompts(&window);
  QtFileChooser files(&window);
  ProjectPropertiesDialog form(&window, projectPropertiesOf(session.song()), session.settings(), session.folders().tempDir,
                               prompts, files);
  ok &= shoot(form, dir.filePath(QStringLiteral("form3.png")));

  Settings settings = session.settings();
  // The song's voice bank registered, as after the first visit to this dialog.
  if (settings.OtoList.empty()) settings.OtoList.push_back("demo\t" + session.song().voiceFolder);
  OwnSettings own;
  OptionsDialog options(&window, settings, own, session.folders().programFolder, prompts, files);
  auto* tabs = options.findChild<QTabWidget*>(QStringLiteral("tbsOptions"));
  const char* const optionPages[] = {"options_general.png", "options_voice_banks.png", "options_cache.png",
                                     "options_paths.png"};
  for (int page = 0; page < tabs->count(); ++page) {
    tabs->setCurrentIndex(page);
    ok &= shoot(options, dir.filePath(QString::fromLatin1(optionPages[page])));
  }

  // The first sung note's properties with the details open, and its pitch editor.
  Song& song = session.song();
  int sung = 0;
  while (sung + 1 < song.noteCount && isRest(song[sung].lyric)) ++sung;
  PropertyValues values = singleValues(song, sung);
  NoteSound sound = noteSoundOf(song, session.tables(), values.lyric, values.note, values.length,
                                projectCacheFolder(song, session.folders().tempDir));
  settings.PropExpandDetail = true;
  NotePropertyDialog note(&window, values, sound, settings, prompts);
  ok &= shoot(note, dir.filePath(QStringLiteral("note_property.png")));
  ok &= shootModal([&note] { note.findChild<QPushButton*>(QStringLiteral("cmdEditPitches"))->click(); },
                   dir.filePath(QStringLiteral("pitch_editor.png")));
  note.hide();

  SelectTrackDialog tracks({"1: Conductor", "2: Voice", "3: Piano"}, {0, 12, 0}, &window);
  ok &= shoot(tracks, dir.filePath(QStringLiteral("select_track.png")));

  EditBoxDialog edit(&window, QStringLiteral("さくら さくら"));
  ok &= shoot(edit, dir.filePath(QStringLiteral("edit_box.png")));

  TrustToolDialog trust(logicText(untrustedToolMessage({"resampler", "tools/resampler", "/home/user/tools/resampler"})),
                        &window);
  ok &= shoot(trust, dir.filePath(QStringLiteral("trust_tool.png")));

  ShowRunningWindow running(&window);
  running.setProgress(5, 14);
  running.setElapsed(2400);
  running.addOutput(QStringLiteral("infile_size:52964"));
  ok &= shoot(running, dir.filePath(QStringLiteral("running.png")));

  AboutDialog about(qs(session.settings().TransformTitle), &window);
  ok &= shoot(about, dir.filePath(QStringLiteral("about.png")));

  QMessageBox prompt(QMessageBox::Warning, logicText(applicationTitle(session.settings())),
                     logicText(kSavePromptText), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &window);
  ok &= shoot(prompt, dir.filePath(QStringLiteral("save_prompt.png")));

  // The voice bank's windows over the song's bank: the sound list, and the
  // frequency table of its first recording that has one.
  window.findChild<QAction*>(QStringLiteral("mnWordList"))->trigger();
  if (auto* list = window.findChild<SoundListWindow*>()) {
    list->move(window.geometry().topRight());
    ok &= shoot(*list, dir.filePath(QStringLiteral("sound_list.png")));
    list->close();
  }
  if (auto recordings = listRecordings(session.song().voiceFolder)) {
    for (const SoundListEntry& entry : *recordings) {
      if (!readFrq(entry.path)) continue;
      FrequencyTableDialog table(entry.path, {prompts, session.settings(), session.folders().tempDir, ""}, &window);
      ok &= shoot(table, dir.filePath(QStringLiteral("frequency_table.png")));
      break;
    }
  }
  ok &= shootVoiceBank(window, session, editor.media(), prompts, files, dir);

  if (!ok) QTextStream(stderr) << "ruvo: error: cannot save the pictures into " << folder << '\n';
  return ok ? 0 : 1;
}

}  // namespace ruvo::gui
