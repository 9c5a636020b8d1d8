// The editor's speed on a 10,000-note song, on the offscreen platform:
// a full redraw of the roll (background and label layout, then painting),
// opening the project file, start-up to the first painted window, and
// editing commands through the window's own buttons and menu items, each
// with the redraw it causes and the roll painted.

#include <benchmark/benchmark.h>

#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "gui/editor/editor_parts.h"
#include "gui/editor/main_window.h"
#include "gui/editor/piano_roll_view.h"
#include "project/project_batch.h"

namespace {

constexpr int kNotes = 10000;

ruvo::Song bigSong() {
  ruvo::Song song;
  const char* lyrics[] = {"あ", "か", "R", "さ"};
  for (int i = 0; i < kNotes; ++i)
    song.at(i) = ruvo::Note{lyrics[i % 4], 480 + 480 * (i % 3), 30 + i % 12, i % 97 == 0 ? "\t\t\t\t\ttempo=132.00" : ""};
  song.noteCount = kNotes;
  song.selFirst = 100;
  song.selLast = 5000;
  return song;
}

ruvo::SessionSettings benchSettings(const std::string& folder) {
  return *ruvo::loadSessionSettings(ruvo::resolveAppFolders(folder, ruvo::FolderEnvironment{folder, "", "", "", ""}));
}

std::string benchFolder() {
  auto folder = std::filesystem::temp_directory_path() / "ruvo_editor_bench";
  std::filesystem::create_directories(folder);
  return folder.string();
}

void FullRedraw(benchmark::State& state) {
  ruvo::Song song = bigSong();
  ruvo::Settings settings;
  ruvo::gui::PianoRollView view(song, settings, nullptr);
  view.resize(1280, 800);
  view.view().hPos = static_cast<int>(state.range(0));
  QImage target(view.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    view.redraw();
    view.render(&target);
  }
}
BENCHMARK(FullRedraw)->Arg(0)->Arg(2000)->Unit(benchmark::kMillisecond);

void OpenProject(benchmark::State& state) {
  const std::string folder = benchFolder();
  ruvo::SessionSettings settings = benchSettings(folder);
  ruvo::Song song = bigSong();
  ruvo::VoiceBankTables tables;
  song.projectName = "bench";
  const std::string path = folder + "/big.bat";
  if (!ruvo::saveAsProjectBatch(song, tables, path, ruvo::SaveOptions{folder, true})) state.SkipWithError("save");
  std::unique_ptr<ruvo::gui::EditorParts> editor;
  for (auto _ : state) {
    state.PauseTiming();
    editor = std::make_unique<ruvo::gui::EditorParts>(settings);
    state.ResumeTiming();
    editor->window().session().openPath(path);
  }
}
BENCHMARK(OpenProject)->Unit(benchmark::kMillisecond);

void StartUpToFirstPaint(benchmark::State& state) {
  ruvo::SessionSettings settings = benchSettings(benchFolder());
  for (auto _ : state) {
    ruvo::gui::EditorParts editor(settings);
    ruvo::gui::MainWindow& window = editor.window();
    window.show();
    QImage frame = window.grab().toImage();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

// Shows the window at `size` with the 10,000-note song drawn in its roll.
void showBigSong(ruvo::gui::MainWindow& window, QSize size) {
  window.resize(size);
  window.show();
  window.session().song() = bigSong();
  window.roll()->redraw();
}

// A window showing the 10,000-note song with the roll focused, as after a
// click on it.
class EditingWindow {
 public:
  EditingWindow() : m_settings(benchSettings(benchFolder())), m_editor(m_settings), m_window(m_editor.window()) {
    showBigSong(m_window, QSize(1300, 900));
    m_window.roll()->setFocus();
    m_frame = QImage(m_window.roll()->size(), QImage::Format_RGB32);
  }
  ruvo::gui::MainWindow& window() { return m_window; }
  void trigger(const char* item) { m_window.menus().action(QString::fromUtf8(item))->trigger(); }
  void paint() { m_window.roll()->render(&m_frame); }

 private:
  ruvo::SessionSettings m_settings;
  ruvo::gui::EditorParts m_editor;
  ruvo::gui::MainWindow& m_window;
  QImage m_frame;
};

std::string kanaPhrase(int notes) {
  const char* kana[] = {"あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ"};
  std::string phrase = "/L8/A4";
  for (int i = 0; i < notes; ++i) phrase += kana[i % 10];
  return phrase;
}

// "挿入" with a 1,000-note phrase in the lyric line at note 5,000, then
// "元に戻す". Arg 0 times the insertion, arg 1 the undo (the other half runs
// untimed); both with the redraw and the painted roll.
void InsertPhraseAndUndoWithRedraw(benchmark::State& state) {
  EditingWindow editing;
  ruvo::gui::MainWindow& window = editing.window();
  window.topBar().lyricLine->setText(QString::fromStdString(kanaPhrase(1000)));
  const bool timeUndo = state.range(0) == 1;
  for (auto _ : state) {
    if (timeUndo) state.PauseTiming();
    window.session().song().selFirst = window.session().song().selLast = kNotes / 2;
    window.topBar().lyricInsert->click();
    editing.paint();
    if (window.session().song().noteCount != kNotes + 1000) state.SkipWithError("the phrase was not inserted");
    if (timeUndo) state.ResumeTiming(); else state.PauseTiming();
    editing.trigger("mnUndo");
    editing.paint();
    if (!timeUndo) state.ResumeTiming();
  }
  if (window.session().song().noteCount != kNotes) state.SkipWithError("undo did not restore the song");
}
BENCHMARK(InsertPhraseAndUndoWithRedraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "全て選択" and a key change of every note ("選択部分を上へ移動", then
// "下へ" so that no note clamps), with the redraw and the painted roll.
void SelectAllKeyChangeWithRedraw(benchmark::State& state) {
  EditingWindow editing;
  bool up = true;
  for (auto _ : state) {
    editing.trigger("mnSelectAll");
    editing.trigger(up ? "mnMoveUp" : "mnMoveDown");
    editing.paint();
    up = !up;
  }
}
BENCHMARK(SelectAllKeyChangeWithRedraw)->Unit(benchmark::kMillisecond);
// ---- Roll gestures: dragging a note label on the 10,000-note song ----
// One pointer move of a key drag: the label was found under the pointer at
// the press; the move shifts it and repaints the strip it left and entered
// (the posted paint runs inside the loop).

// Counts the roll's paint events, to show each move repaints.
class PaintCounter final : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void sendMouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void DragLabelMove(benchmark::State& state) {
  ruvo::SessionSettings settings = benchSettings(benchFolder());
  ruvo::gui::EditorParts editor(settings);
  ruvo::gui::MainWindow& window = editor.window();
  showBigSong(window, QSize(1280, 800));
  ruvo::gui::PianoRollView* roll = window.roll();
  QCoreApplication::processEvents();
  const QPoint from = roll->labelAt(6).geometry.center();
  sendMouse(roll, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  sendMouse(roll, QEvent::MouseMove, from - QPoint(0, 14), Qt::NoButton, Qt::LeftButton);
  if (roll->labelAt(6).geometry.center() == from) state.SkipWithError("the press did not start a label drag");
  QCoreApplication::processEvents();
  PaintCounter counter;
  roll->installEventFilter(&counter);
  int step = 0;
  for (auto _ : state) {
    const QPoint at = from - QPoint(0, 3 * (++step % 8));
    sendMouse(roll, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    QCoreApplication::processEvents();
  }
  roll->removeEventFilter(&counter);
  state.counters["paints_per_move"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
  sendMouse(roll, QEvent::MouseButtonRelease, from, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(DragLabelMove)->Unit(benchmark::kMillisecond);

// A pointer move without a button over the roll: the hit test over every
// label of the song and the edge-zone pointer shape. The last note's label
// is the one found last, at the far end of the walk.
void HoverHitTest(benchmark::State& state) {
  ruvo::SessionSettings settings = benchSettings(benchFolder());
  ruvo::gui::EditorParts editor(settings);
  ruvo::gui::MainWindow& window = editor.window();
  showBigSong(window, QSize(1280, 800));
  ruvo::gui::PianoRollView* roll = window.roll();
  QCoreApplication::processEvents();
  const QRect box = roll->labelAt(6).geometry;
  int step = 0;
  for (auto _ : state) {
    const QPoint at = ++step % 2 ? box.center() : QPoint(box.right() - 2, box.center().y());
    sendMouse(roll, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(HoverHitTest)->Unit(benchmark::kMillisecond);
// ---- end of roll gestures ----

}  // namespace
