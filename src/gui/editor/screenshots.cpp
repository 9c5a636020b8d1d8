#include "gui/editor/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextStream>

#include "editor/session_texts.h"
#include "editor/window_title.h"
#include "gui/editor/about_dialog.h"
#include "gui/editor/edit_box_dialog.h"
#include "gui/editor/main_window.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/select_track_dialog.h"
#include "gui/settings/project_properties_dialog.h"
#include "gui/services/qt_file_chooser.h"
#include "gui/services/qt_prompts.h"
#include "gui/services/qt_text.h"

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

  if (!ok) QTextStream(stderr) << "ruvo: error: cannot save the pictures into " << folder << '\n';
  return ok ? 0 : 1;
}

}  // namespace ruvo::gui
