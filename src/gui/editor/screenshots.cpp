#include "gui/editor/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextStream>

#include "editor/session_texts.h"
#include "core/paths.h"
#include "editor/window_title.h"
#include "gui/editor/about_dialog.h"
#include "gui/editor/edit_box_dialog.h"
#include "gui/editor/main_window.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/render_controller.h"
#include "gui/editor/select_track_dialog.h"
#include "gui/settings/project_properties_dialog.h"
#include "gui/services/qt_file_chooser.h"
#include "gui/services/qt_prompts.h"
#include "gui/services/qt_text.h"
#include "gui/voicebank/frequency_table_dialog.h"
#include "gui/voicebank/sound_list_window.h"
#include "voicebank/sound_list.h"
#include "gui/voicebank/oto_settings_dialog.h"
#include "gui/voicebank/sample_editor_dialog.h"

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

// The voice-bank dialog over the song's voice folder with the first sung
// note's lyric selected, and the sample editor on that recording.
bool shootVoiceBank(MainWindow& window, Prompts& prompts, FileChooser& files, const QDir& dir) {
  ProjectSession& session = window.session();
  const Song& song = session.song();
  auto* render = window.findChild<RenderController*>();
  if (!render || song.voiceFolder.empty()) return true;
  std::string target;
  for (const Note& note : song.notes)
    if (!isRest(note.lyric)) {
      target = note.lyric;
      break;
    }
  OtoSettingsDialog bank(&window, {song.voiceFolder, target, "", session.folders().tempDir, false},
                         {prompts, files, render->media(), {}, {}});
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

int saveScreenshots(MainWindow& window, const QString& folder) {
  QDir().mkpath(folder);
  QDir dir(folder);
  bool ok = true;
  window.resize(1100, 640);
  // Show the song where it starts, with its notes in the middle rows.
  window.session().song().selFirst = window.session().song().selLast = 0;
  if (auto* v = window.findChild<QScrollBar*>(QStringLiteral("VScroll1"))) v->setValue(30);
  ok &= shoot(window, dir.filePath(QStringLiteral("main_window.png")));

  // A band swept across the roll: the marker lines, the selection, its time.
  PianoRollView* roll = window.roll();
  const QPoint bandStart(roll->width() / 4, roll->height() - 40);
  const QPoint bandEnd(roll->width() / 2, roll->height() - 40);
  sendMouse(roll, QEvent::MouseButtonPress, bandStart, Qt::LeftButton, Qt::LeftButton);
  sendMouse(roll, QEvent::MouseMove, bandEnd, Qt::NoButton, Qt::LeftButton);
  ok &= shoot(window, dir.filePath(QStringLiteral("roll_band_sweep.png")));
  sendMouse(roll, QEvent::MouseButtonRelease, bandEnd, Qt::LeftButton, Qt::NoButton);

  QtPrompts prompts(&window);
  QtFileChooser files(&window);
  ProjectSession& session = window.session();
  ProjectPropertiesDialog form(&window, projectPropertiesOf(session.song()), session.settings(), session.folders().tempDir,
                               prompts, files);
  ok &= shoot(form, dir.filePath(QStringLiteral("form3.png")));

  SelectTrackDialog tracks({"1: Conductor", "2: Voice", "3: Piano"}, &window);
  ok &= shoot(tracks, dir.filePath(QStringLiteral("select_track.png")));

  EditBoxDialog phrase(&window, QStringLiteral("あ か さ た な"));
  ok &= shoot(phrase, dir.filePath(QStringLiteral("edit_box.png")));

  AboutDialog about(qs(session.settings().TransformTitle), &window);
  ok &= shoot(about, dir.filePath(QStringLiteral("about.png")));

  QMessageBox prompt(QMessageBox::Warning, qs(applicationTitle(session.settings())), qs(std::string(kSavePromptText)),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &window);
  ok &= shoot(prompt, dir.filePath(QStringLiteral("save_prompt.png")));

  // The voice bank's windows over the song's bank: the sound list, and the
  // frequency table of its first recording that has one.
  if (auto* render = window.findChild<RenderController*>()) window.showSoundList(render->media());
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
  ok &= shootVoiceBank(window, prompts, files, dir);

  if (!ok) QTextStream(stderr) << "ruvo: error: cannot save the pictures into " << folder << '\n';
  return ok ? 0 : 1;
}

}  // namespace ruvo::gui
