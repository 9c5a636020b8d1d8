#include "voicebank/frq_graph.h"

#include <algorithm>
#include <cmath>

#include "voicebank/frq_table.h"

namespace ruvo {

namespace {

constexpr int kGraphTop = 120;
constexpr int kRightMargin = 120;
constexpr int kBottomMargin = 180;
constexpr int kGridLeft = 4800;
constexpr int kZeroHz = 4005;
constexpr int kTwipsPerHz = 4;
constexpr int kFrameStep = 60;
constexpr int kFrameX = 4860;
constexpr int kMarkHalf = 15;
// Far outside any screen, yet far from int overflow when converted.
constexpr double kFarAway = 1'000'000;

int yOf(double hz) { return static_cast<int>(std::clamp(kZeroHz - kTwipsPerHz * hz, -kFarAway, kFarAway)); }

bool hasPitch(double hz) { return hz != kNoPitch && std::isfinite(hz); }

}  // namespace

FrqGraph planFrqGraph(std::span<const double> values, double average, int widthTwips, int heightTwips) {
  FrqGraph graph;
  if (widthTwips <= kGridLeft) return graph;
  graph.visible = true;
  const int right = widthTwips - kRightMargin;
  graph.background = {{kFrqGraphLeft, kGraphTop}, {right, heightTwips - kBottomMargin}};
  const int averageY = std::isfinite(average) ? yOf(average) : yOf(0);
  graph.average = {{kFrqGraphLeft, averageY}, {right, averageY}};
  for (int hz = 100; hz <= 900; hz += 100) {
    graph.gridLines.push_back({{kGridLeft, yOf(hz)}, {right, yOf(hz)}});
    graph.gridLabels.push_back({{kFrqGraphLeft, 3910 - kTwipsPerHz * hz}, hz});
  }
  const size_t fitting = right < kFrameX ? 0 : static_cast<size_t>((right - kFrameX) / kFrameStep + 1);
  const size_t visibleFrames = std::min(values.size() / 2, fitting);
  auto frequency = [&](size_t frame) { return values[2 * frame]; };
  for (size_t i = 0; i < visibleFrames; ++i) {
    const double hz = frequency(i);
    if (!hasPitch(hz)) continue;
    const int x = kFrameX + kFrameStep * static_cast<int>(i);
    if (i >= 1 && hasPitch(frequency(i - 1)))
      graph.pitchLines.push_back({{x - kFrameStep, yOf(frequency(i - 1))}, {x, yOf(hz)}});
    const int y = yOf(hz);
    graph.frameMarks.push_back({{x - kMarkHalf, y - kMarkHalf}, {x + kMarkHalf, y + kMarkHalf}});
  }
  return graph;
}

TwipSize frqEditorSize(TwipSize requested) { return {std::max(requested.width, 4770), 4650}; }

}  // namespace ruvo
