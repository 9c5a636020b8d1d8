// Rendering and playing from the editor window with the real tools on a
// small voice bank made by the test: the selection render plays, the whole
// project writes its output, failures and refusals say so, the window stays
// live while the batch runs, and a program nobody chose is asked about.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "gui/editor/main_window.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/editor/play_marker_view.h"
#include "gui/editor/qt_project_dialogs.h"
#include "gui/editor/render_controller.h"
#include "gui/render/show_running_window.h"
#include "render/render_messages.h"
#include "settings/trusted_programs.h"
#include "settings/own_settings.h"
#include "settings/worker_count.h"
#include "support/temp_folder.h"
#include "support/test_bank.h"
#include "voicebank/oto_table.h"
#include "../support/window_fixture.h"

using namespace ruvo;
using namespace ruvo::gui;
using namespace ruvo::testing;
namespace fs = std::filesystem;

namespace {

const std::string kBin = RUVO_BIN_DIR;

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The program folder of the window under test has the build's tools linked
// in; its settings have the cache on.
SessionSettings settingsWithTools(const TempFolder& dir) {
  for (const char* tool : {"ruvo-batch", "splicer", "resampler"})
    fs::create_symlink(kBin + "/" + tool, dir / tool);
  SessionSettings settings = freshSettings(dir);
  settings.settings.CacheEnable = true;
  return settings;
}

class RenderWindowTest : public ::testing::Test, protected WindowFixture {
 protected:
  static void SetUpTestSuite() {
    const auto& bank = testBank(RUVO_SOURCE_DIR, kBin);
    ASSERT_EQ(bank.error, "");
    s_bank = bank.folder;
  }

  RenderWindowTest() : WindowFixture("ruvo_render_window", settingsWithTools) {
    m_window.resize(900, 600);
    m_window.show();
    m_controller = m_window.findChild<RenderController*>(QStringLiteral("renderController"));
    Song& song = m_window.session().song();
    song.notes.clear();
    const std::pair<const char*, int> notes[] = {{"あ", 36}, {"か", 38}, {"さ", 40}, {"R", 36}, {"た", 43}};
    for (auto [lyric, key] : notes) song.notes.push_back(Note{lyric, 1920, key, ""});
    song.noteCount = static_cast<int>(song.notes.size());
    song.selFirst = song.selLast = song.noteCount;
    song.tempoText = "120";
    song.voiceFolder = s_bank;
    song.joinerPath = m_dir / "splicer";
    song.resamplerPath = m_dir / "resampler";
    song.outputFile = "out.wav";
    song.modified = false;
    m_window.session().tables().oto = *OtoTable::load(s_bank);
    m_window.roll()->redraw();
  }

  ShowRunningWindow* running() {
    return m_window.findChild<ShowRunningWindow*>(QStringLiteral("frmShowRunning"));
  }
  bool runningShown() { return running() && running()->isVisible(); }

  // Triggers the command and returns once its render has ended.
  void renderWith(const char* command) {
    QSignalSpy ended(m_controller, &RenderController::renderEnded);
    action(command)->trigger();
    if (ended.isEmpty()) {
      ASSERT_TRUE(m_controller->rendering());
      ASSERT_TRUE(ended.wait(120000)) << command;
    }
  }
  std::string lastMessage() const { return m_prompts.messages.empty() ? "" : m_prompts.messages.back(); }

  // A stand-in resampler that notes its process id in "<path>.pids" and
  // waits `seconds` before it renders; it becomes the song's resampler.
  std::string slowResampler(double seconds) {
    const std::string slow = m_dir / "slow-resampler";
    std::ofstream(slow) << "#!/bin/sh\necho $$ >> '" << slow << ".pids'\nsleep " << seconds << "\nexec '" << kBin
                        << "/resampler' \"$@\"\n";
    fs::permissions(slow, fs::perms::owner_all);
    m_settings.settings.Tool2Path = slow;
    song().resamplerPath = slow;
    return slow;
  }

  static std::string s_bank;
  RenderController* m_controller = nullptr;
};

std::string RenderWindowTest::s_bank;

// Runs `act` on the next modal dialog once it is shown.
void whenDialogOpens(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    act(dialog);
  });
}

// Whether the process still runs, or has ended without this process reaping
// it.
bool runsOrIsOurZombie(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return false;
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  char state = 0;
  int parent = 0;
  fields >> state >> parent;
  return state != 'Z' || parent == ::getpid();
}

void click(QWidget* dialog, const char* button) {
  auto* found = dialog->findChild<QPushButton*>(QString::fromUtf8(button));
  ASSERT_NE(found, nullptr) << button;
  found->click();
}

}  // namespace

TEST_F(RenderWindowTest, SelectionRendersPlaysAndClosesOnExit) {
  action("mnPlayTemp")->trigger();
  EXPECT_EQ(lastMessage(), render_messages::kNoSelection);

  song().selFirst = 3;  // either order
  song().selLast = 1;
  QSignalSpy ended(m_controller, &RenderController::renderEnded);
  action("mnPlayTemp")->trigger();
  ASSERT_TRUE(m_controller->rendering());
  ASSERT_NE(running(), nullptr);
  EXPECT_TRUE(running()->isVisible());
  EXPECT_EQ(running()->windowTitle(), QStringLiteral("wavファイルの作成"));
  for (const char* name : {"mnGenerate", "mnPlayTemp", "mnToneGen"})
    EXPECT_FALSE(action(name)->isEnabled()) << name;
  EXPECT_FALSE(m_window.topBar().play->isEnabled());
  ASSERT_TRUE(ended.wait(120000));
  EXPECT_FALSE(runningShown());
  EXPECT_TRUE(action("mnGenerate")->isEnabled());
  EXPECT_TRUE(m_window.topBar().play->isEnabled());
  EXPECT_EQ(m_prompts.messages.size(), 1u) << lastMessage();

  const std::string tempWav = m_settings.folders.tempDir + "/temp.wav";
  ASSERT_TRUE(fs::exists(tempWav));
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
  // The marker on the roll starts in the first note played.
  auto* marker = m_window.findChild<PlayMarkerView*>(QStringLiteral("playMarker"));
  ASSERT_NE(marker, nullptr);
  const LabelInfo firstPlayed = m_window.roll()->labelAt(1);
  ASSERT_TRUE(firstPlayed.visible);
  EXPECT_TRUE(marker->isVisible());
  EXPECT_GE(marker->markerX(), firstPlayed.geometry.left());
  EXPECT_LE(marker->markerX(), firstPlayed.geometry.right() + 1);
  // Three notes of 0.5 s and the first one's pre-utterance; four would be 2 s.
  EXPECT_NEAR(static_cast<double>(fs::file_size(tempWav) - 44) / (44100 * 2), 1.5, 0.15);

  action("mnPlayTemp")->trigger();  // playing: nothing
  EXPECT_FALSE(m_controller->rendering());
  action("mnPauseTemp")->trigger();
  EXPECT_EQ(m_editor.media().mode("temp"), "paused");
  action("mnPlayTemp")->trigger();  // resumes
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
  EXPECT_FALSE(m_controller->rendering());

  ASSERT_TRUE(m_window.session().close(0));
  EXPECT_TRUE(m_editor.media().mode("temp").starts_with("NG:"));
  EXPECT_FALSE(fs::exists(tempWav));
}

TEST_F(RenderWindowTest, StopAndPlayAgainRendersAndReplays) {
  song().selFirst = 0;
  song().selLast = 2;
  renderWith("mnToneGen");
  ASSERT_EQ(m_editor.media().mode("temp"), "playing");
  action("mnStopTemp")->trigger();
  EXPECT_TRUE(m_editor.media().mode("temp").starts_with("NG:"));
  QTest::qWait(100);
  EXPECT_FALSE(m_window.findChild<PlayMarkerView*>(QStringLiteral("playMarker"))->isVisible());
  action("mnTonePlay")->trigger();  // Shift+F5 reopens from the start
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
  action("mnStopTemp")->trigger();
  QSignalSpy ended(m_controller, &RenderController::renderEnded);
  action("mnPlayTemp")->trigger();  // F7 then F5 renders again
  EXPECT_TRUE(m_controller->rendering());
  ASSERT_TRUE(!ended.isEmpty() || ended.wait(120000));
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
}

TEST_F(RenderWindowTest, WholeProjectWritesItsOutputAndFollowsEdits) {
  song().modified = true;
  action("mnGenerate")->trigger();
  EXPECT_EQ(lastMessage(), render_messages::kSaveFirst);
  song().modified = false;
  action("mnGenerate")->trigger();
  EXPECT_EQ(lastMessage(), render_messages::kNothingCreated);

  song().projectPath = m_dir / "song.bat";
  m_files.paths = {m_dir / "out.wav"};
  renderWith("mnGenerate");
  ASSERT_EQ(m_files.requests.size(), 1u);
  EXPECT_EQ(m_files.requests[0].defaultName, "out.wav");
  EXPECT_EQ(m_files.requests[0].filter, "wavファイル|*.wav|すべてのファイル|*.*");
  EXPECT_EQ(lastMessage(), std::string("out.wav") + std::string(render_messages::kCreated));
  ASSERT_TRUE(fs::exists(m_dir / "out.wav"));
  EXPECT_TRUE(fs::exists(m_dir / "song.bat"));
  EXPECT_FALSE(song().modified);
  const std::string first = fileBytes(m_dir / "out.wav");

  action("mnMCIPlay")->trigger();
  EXPECT_EQ(m_editor.media().mode("out"), "playing");
  action("mnMCIStop")->trigger();

  // A note's flags change its resampled sound: the cached note is made anew.
  song().notes[1].props = "\t\t\t\tg-60\t";
  m_files.paths = {m_dir / "out.wav"};
  renderWith("mnGenerate");
  EXPECT_EQ(lastMessage(), std::string("out.wav") + std::string(render_messages::kCreated));
  const std::string second = fileBytes(m_dir / "out.wav");
  EXPECT_EQ(second.size(), first.size());
  EXPECT_TRUE(second != first) << "the edited note sounds the same";
}

TEST_F(RenderWindowTest, MissingResamplerFails) {
  song().projectPath = m_dir / "song.bat";
  song().resamplerPath = m_dir / "no-such-resampler";
  m_files.paths = {m_dir / "out.wav"};
  action("mnGenerate")->trigger();
  EXPECT_FALSE(m_controller->rendering());
  EXPECT_TRUE(lastMessage().starts_with(std::string(render_messages::kRenderFailed))) << lastMessage();
  EXPECT_NE(lastMessage().find("no-such-resampler"), std::string::npos);
  EXPECT_TRUE(action("mnGenerate")->isEnabled());
}

TEST_F(RenderWindowTest, WindowStaysLiveWhileTheBatchRuns) {
  // A resampler that takes its time, so the render runs for seconds even
  // with the notes resampled two or more at a time.
  const std::string slow = slowResampler(1.0);
  song().selFirst = 0;
  song().selLast = 4;

  QElapsedTimer clock;
  qint64 last = 0, longestGap = 0;
  QTimer ticker;
  ticker.setInterval(10);
  // Counted from the first tick: the progress window's first showing is
  // no wait on the batch.
  bool ticked = false;
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    if (ticked) longestGap = std::max(longestGap, clock.elapsed() - last);
    ticked = true;
    last = clock.elapsed();
  });
  QSignalSpy ended(m_controller, &RenderController::renderEnded);
  action("mnPlayTemp")->trigger();
  ASSERT_TRUE(m_controller->rendering());
  clock.start();
  ticker.start();
  QTimer::singleShot(1000, [&] {
    ASSERT_NE(running(), nullptr);
    EXPECT_GT(running()->findChild<QProgressBar*>(QStringLiteral("prgNotes"))->maximum(), 0);
  });
  ASSERT_TRUE(ended.wait(120000));
  const qint64 total = clock.elapsed();
  ticker.stop();
  EXPECT_GT(total, 1500);
  EXPECT_LT(longestGap, 100) << "over " << total << " ms";
  EXPECT_FALSE(runningShown());
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
}

// Every way of leaving a running render ends the batch and every program it
// started, leaves no partial output and no zombie, and never says the render
// succeeded; the window keeps working.
TEST_F(RenderWindowTest, ClosingTheRunningWindowOrQuittingCancelsTheRender) {
  const std::string pids = slowResampler(0.4) + ".pids";
  song().projectPath = m_dir / "song.bat";
  const struct {
    const char* how;
    std::function<void()> cancel;
  } ways[] = {
      {"Esc", [&] { QTest::keyClick(running(), Qt::Key_Escape); }},
      {"close button", [&] { running()->close(); }},
      {"待機をやめる", [&] { click(running(), "OKButton"); }},
      {"quit", [&] { EXPECT_TRUE(m_window.close()); }},
  };
  for (const auto& way : ways) {
    fs::remove(pids);
    m_prompts.messages.clear();
    m_files.paths = {m_dir / "out.wav"};
    QSignalSpy ended(m_controller, &RenderController::renderEnded);
    action("mnGenerate")->trigger();
    ASSERT_TRUE(m_controller->rendering()) << way.how;
    for (int i = 0; i < 1000 && !fs::exists(pids); ++i) QTest::qWait(10);
    ASSERT_TRUE(fs::exists(pids)) << way.how;
    way.cancel();
    EXPECT_EQ(ended.count(), 1) << way.how;
    EXPECT_FALSE(m_controller->rendering()) << way.how;
    QTest::qWait(50);  // the window deletes itself
    EXPECT_EQ(running(), nullptr) << way.how;
    for (const char* file : {"out.wav", "out.wav.whd", "out.wav.dat"})
      EXPECT_FALSE(fs::exists(m_dir / file)) << way.how << " " << file;
    std::ifstream started(pids);
    for (int pid = 0; started >> pid;) EXPECT_FALSE(runsOrIsOurZombie(pid)) << way.how << " " << pid;
    if (std::string(way.how) == "quit") {
      EXPECT_TRUE(m_prompts.messages.empty()) << lastMessage();
    } else {
      EXPECT_EQ(lastMessage(), render_messages::kRenderCancelled) << way.how;
      EXPECT_TRUE(action("mnGenerate")->isEnabled()) << way.how;
    }
  }
}

TEST_F(RenderWindowTest, ProgramsNobodyChoseAreAskedAbout) {
  // A copy of the resampler in a folder of its own is not a chosen program.
  fs::create_directory(m_dir / "theirs");
  const std::string theirs = m_dir / "theirs/resampler";
  fs::copy_file(kBin + "/resampler", theirs);
  song().resamplerPath = theirs;
  song().selFirst = 0;
  song().selLast = 0;
  const std::string trustFile = TrustedPrograms::fileBeside(m_settings.folders.settingsFile);

  QString asked;
  whenDialogOpens([&](QWidget* dialog) {
    EXPECT_EQ(dialog->objectName(), QStringLiteral("frmTrustTool"));
    asked = dialog->findChild<QLabel*>(QStringLiteral("lblMessage"))->text();
    click(dialog, "cmdCancel");
  });
  action("mnPlayTemp")->trigger();
  EXPECT_NE(asked.toStdString().find(theirs), std::string::npos) << asked.toStdString();
  EXPECT_FALSE(m_controller->rendering());
  EXPECT_FALSE(fs::exists(trustFile));

  whenDialogOpens([&](QWidget* dialog) { click(dialog, "cmdUseConfigured"); });
  renderWith("mnPlayTemp");
  EXPECT_EQ(song().resamplerPath, m_settings.settings.Tool2Path);
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
  EXPECT_FALSE(fs::exists(trustFile));

  action("mnStopTemp")->trigger();
  song().resamplerPath = theirs;
  whenDialogOpens([&](QWidget* dialog) { click(dialog, "cmdRun"); });
  renderWith("mnPlayTemp");
  EXPECT_EQ(song().resamplerPath, theirs);
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
  auto trusted = TrustedPrograms::load(trustFile);
  ASSERT_TRUE(trusted);
  EXPECT_TRUE(trusted->contains(fs::absolute(theirs).lexically_normal().string()));

  action("mnStopTemp")->trigger();
  renderWith("mnPlayTemp");  // trusted now: no question
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
}

TEST_F(RenderWindowTest, APausedRenderIsResumedOnlyWhileItsNotesAreUnchanged) {
  const std::pair<const char*, std::function<void()>> edits[] = {
      {"nothing", [] {}},
      {"lyric", [&] { song().notes[1].lyric = "さ"; }},
      {"length", [&] { song().notes[0].length = 960; }},
      {"key", [&] { song().notes[1].noteNumber = 41; }},
      {"tempo", [&] { song().tempoText = "100"; }},
      {"selection", [&] { song().selLast = 2; }},
  };
  song().selFirst = 0;
  song().selLast = 1;
  renderWith("mnPlayTemp");
  for (const auto& [what, edit] : edits) {
    action("mnPauseTemp")->trigger();
    ASSERT_EQ(m_editor.media().mode("temp"), "paused") << what;
    edit();
    QSignalSpy ended(m_controller, &RenderController::renderEnded);
    action("mnPlayTemp")->trigger();
    const bool unchanged = std::string(what) == "nothing";
    EXPECT_EQ(m_controller->rendering(), !unchanged) << what;
    if (!unchanged) {
      ASSERT_TRUE(ended.wait(120000)) << what;
    }
    EXPECT_EQ(m_editor.media().mode("temp"), "playing") << what;
  }
}

TEST_F(RenderWindowTest, PlaysWhileTheSelectionRendersAndReplaysTheFinishedFile) {
  // One note at a time, each a second late and two seconds long: the first
  // is heard while the others are still made, on a machine of any core count.
  OwnSettings own;
  own.set(kWorkersSetting, "1");
  ASSERT_TRUE(own.save(OwnSettings::fileBeside(m_window.session().folders().settingsFile)));
  slowResampler(1.0);
  for (int i = 0; i < 3; ++i) song().notes[i].length = 4 * 1920;
  song().selFirst = 0;
  song().selLast = 2;
  QSignalSpy ended(m_controller, &RenderController::renderEnded);
  action("mnPlayTemp")->trigger();
  QElapsedTimer clock;
  clock.start();
  while (m_editor.media().buffersHanded("temp").value_or(0) == 0 && clock.elapsed() < 60000)
    QTest::qWait(5);
  EXPECT_TRUE(m_controller->rendering()) << "heard only after the render";
  const double heardAt = m_editor.media().position("temp").value_or(-1);
  ASSERT_TRUE(!ended.isEmpty() || ended.wait(120000));
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
  EXPECT_GE(m_editor.media().position("temp").value_or(-1), heardAt);  // goes on, not from the start
  EXPECT_TRUE(m_editor.media().isGrowing("temp"));
  action("mnTonePlay")->trigger();
  EXPECT_FALSE(m_editor.media().isGrowing("temp"));
  EXPECT_EQ(m_editor.media().mode("temp"), "playing");
}
