// The frequency-table editor on a 4095-frame table (the largest a table
// may hold), on the offscreen platform: opening it (reading the table, the
// model with its rows, the dialog with its list, and the first painted frame
// with the graph) at the default width and at a width that shows 300 frames.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include <QImage>

#include "gui/voicebank/frequency_table_dialog.h"
#include "support/temp_folder.h"
#include "../tests/editor/scripted_services.h"

namespace {

void OpenFrequencyTable(benchmark::State& state) {
  ruvo::testing::TempFolder dir("ruvo_frq_bench");
  const std::string recording = dir / "a.wav";
  ruvo::FrqTable table;
  table.header.frameCount = ruvo::kFrqMaxFrames;
  table.header.average = 220;
  for (int i = 0; i < ruvo::kFrqMaxFrames; ++i)
    table.values.insert(table.values.end(), {i % 50 == 0 ? ruvo::kNoPitch : 220 + 40 * std::sin(i * 0.05), 0.5});
  if (!ruvo::writeFrq(table, recording)) state.SkipWithError("cannot write the table");
  ruvo::testing::ScriptedPrompts prompts;
  ruvo::Settings settings;
  const ruvo::gui::FrequencyTableServices services{prompts, settings, dir.path(), ""};
  for (auto _ : state) {
    ruvo::gui::FrequencyTableDialog dialog(recording, services, nullptr);
    if (!dialog.editor() || dialog.editor()->frameCount() != ruvo::kFrqMaxFrames) state.SkipWithError("frames");
    dialog.resize(static_cast<int>(state.range(0)), dialog.height());
    dialog.show();
    QImage frame = dialog.grab().toImage();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(OpenFrequencyTable)->Arg(800)->Arg(1540)->Unit(benchmark::kMillisecond);

}  // namespace
