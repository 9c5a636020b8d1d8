// From F5 on a selection to the first audio buffer handed to the device: the
// editor window offscreen, the real tools and the test voice bank, sound to
// SDL's dummy driver. Three notes with a warm cache by default; with NOTES
// the song has that many notes, all selected, and every run is cold (the
// note cache is emptied before it).
//   playback_latency SOURCE_DIR BIN_DIR [RUNS] [NOTES]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include "editor/scripted_services.h"
#include "gui/editor/editor_parts.h"
#include "gui/editor/main_window.h"
#include "gui/editor/qt_project_dialogs.h"
#include "gui/editor/render_controller.h"
#include "voicebank/oto_table.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  QApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: playback_latency SOURCE_DIR BIN_DIR [RUNS] [NOTES]\n");
    return 2;
  }
  const std::string source = fs::absolute(argv[1]).string(), bin = fs::absolute(argv[2]).string();
  const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
  const int notes = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;
  const bool cold = argc > 4;
  const fs::path work = fs::temp_directory_path() / "ruvo_playback_latency";
  fs::remove_all(work);
  fs::create_directories(work / "bank");
  const std::string makeBank = "bash '" + source + "/voicebanks/make_test_bank.sh' '" +
                               (work / "bank").string() + "' '" + bin + "' >/dev/null";
  if (std::system(makeBank.c_str()) != 0) return 1;
  for (const char* tool : {"ruvo-batch", "splicer", "resampler"})
    fs::create_symlink(fs::path(bin) / tool, work / tool);

  auto settings = *ruvo::loadSessionSettings(
      ruvo::resolveAppFolders(work.string(), ruvo::FolderEnvironment{work.string(), "", "", "", ""}));
  settings.settings.CacheEnable = true;
  ruvo::testing::ScriptedPrompts prompts;
  ruvo::testing::ScriptedFileChooser files;
  ruvo::gui::QtProjectDialogs dialogs(nullptr, prompts, files, settings);
  ruvo::gui::EditorParts parts(settings, ruvo::SessionServices{prompts, files, dialogs});
  ruvo::gui::MainWindow& window = parts.window();
  auto* controller = window.findChild<ruvo::gui::RenderController*>(QStringLiteral("renderController"));
  ruvo::Song& song = window.session().song();
  const char* lyrics[] = {"あ", "か", "さ"};
  for (int i = 0; i < notes; ++i) song.notes.push_back(ruvo::Note{lyrics[i % 3], 480, 36 + i % 5, ""});
  song.noteCount = notes;
  song.selFirst = 0;
  song.selLast = notes - 1;
  song.voiceFolder = (work / "bank").string();
  song.joinerPath = (work / "splicer").string();
  song.resamplerPath = (work / "resampler").string();
  window.session().tables().oto = *ruvo::OtoTable::load(song.voiceFolder);
  QAction* play = window.menus().action(QStringLiteral("mnPlayTemp"));
  QAction* stop = window.menus().action(QStringLiteral("mnStopTemp"));

  std::vector<double> renderMs, firstBufferMs;
  const std::string workingFolder = window.session().folders().tempDir;
  for (int run = cold ? 0 : -1; run < runs; ++run) {  // run -1 warms the cache
    stop->trigger();
    if (cold) {
      for (const auto& entry : fs::directory_iterator(workingFolder))
        if (entry.path().extension() == ".cache") fs::remove_all(entry.path());
    }
    QEventLoop loop;
    Clock::time_point ended;
    auto connection = QObject::connect(controller, &ruvo::gui::RenderController::renderEnded,
                                       [&] { ended = Clock::now(); });
    const auto start = Clock::now();
    play->trigger();
    while (parts.media().buffersHanded("temp").value_or(0) == 0 &&
           Clock::now() - start < std::chrono::seconds(30))
      app.processEvents(QEventLoop::AllEvents, 1);
    const auto heard = Clock::now();
    while (controller->rendering() && Clock::now() - start < std::chrono::seconds(300))
      app.processEvents(QEventLoop::AllEvents, 1);
    QObject::disconnect(connection);
    if (!prompts.messages.empty()) {
      std::fprintf(stderr, "message: %s\n", prompts.messages.back().c_str());
      return 1;
    }
    if (run < 0) continue;
    renderMs.push_back(std::chrono::duration<double, std::milli>(ended - start).count());
    firstBufferMs.push_back(std::chrono::duration<double, std::milli>(heard - start).count());
  }
  stop->trigger();
  auto report = [](const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%s: median %.1f ms, min %.1f ms, max %.1f ms (%zu runs)\n", what, ms[ms.size() / 2],
                ms.front(), ms.back(), ms.size());
  };
  report("F5 to render ended", renderMs);
  report("F5 to first audio buffer", firstBufferMs);
  fs::remove_all(work);
  return 0;
}
