#include "voicebank/frq_graph.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using namespace ruvo;

namespace {

std::vector<double> pairs(std::vector<double> hz) {
  std::vector<double> values;
  for (double f : hz) values.insert(values.end(), {f, 0.0});
  return values;
}

TEST(FrqGraph, PlanInTwips) {
  // Frames: 100 Hz, no pitch, 55.000001 Hz, 200 Hz, 300 Hz, NaN.
  const auto values = pairs({100, 55.0, 55.000001, 200, 300, std::numeric_limits<double>::quiet_NaN()});
  FrqGraph graph = planFrqGraph(values, 250, 9000, 4650);
  ASSERT_TRUE(graph.visible);
  EXPECT_EQ(graph.background.topLeft.x, 4680);
  EXPECT_EQ(graph.background.topLeft.y, 120);
  EXPECT_EQ(graph.background.bottomRight.x, 8880);
  EXPECT_EQ(graph.background.bottomRight.y, 4470);
  EXPECT_EQ(graph.average.from.y, 3005);
  EXPECT_EQ(graph.average.to.x, 8880);
  ASSERT_EQ(graph.gridLines.size(), 9u);
  EXPECT_EQ(graph.gridLines[0].from.x, 4800);
  EXPECT_EQ(graph.gridLines[0].from.y, 3605);
  EXPECT_EQ(graph.gridLines[8].from.y, 405);
  EXPECT_EQ(graph.gridLabels[8].topLeft.y, 310);
  EXPECT_EQ(graph.gridLabels[8].hz, 900);

  // Marks at frames 0, 2, 3, 4; lines only between 2-3 and 3-4.
  ASSERT_EQ(graph.frameMarks.size(), 4u);
  EXPECT_EQ(graph.frameMarks[0].topLeft.x, 4845);
  EXPECT_EQ(graph.frameMarks[0].topLeft.y, 3590);
  EXPECT_EQ(graph.frameMarks[0].bottomRight.x, 4875);
  EXPECT_EQ(graph.frameMarks[0].bottomRight.y, 3620);
  EXPECT_EQ(graph.frameMarks[1].topLeft.x, 4845 + 120);
  ASSERT_EQ(graph.pitchLines.size(), 2u);
  EXPECT_EQ(graph.pitchLines[0].from.x, 4800 + 180);
  EXPECT_EQ(graph.pitchLines[0].to.x, 4860 + 180);
  EXPECT_EQ(graph.pitchLines[0].to.y, 3205);
  EXPECT_EQ(graph.pitchLines[1].to.y, 2805);
}

TEST(FrqGraph, WidthDecidesWhatIsDrawn) {
  const std::vector<double> values = pairs(std::vector<double>(4095, 100));
  struct Case {
    int width;
    bool visible;
    size_t marks;
  };
  // Frame i fits while 4860 + 60 i <= width - 120.
  for (const Case& c : {Case{4800, false, 0}, Case{4801, true, 0}, Case{4980, true, 1}, Case{5039, true, 1},
                        Case{5040, true, 2}, Case{300000, true, 4095}}) {
    FrqGraph graph = planFrqGraph(values, 100, c.width, 4650);
    EXPECT_EQ(graph.visible, c.visible) << c.width;
    EXPECT_EQ(graph.frameMarks.size(), c.marks) << c.width;
  }
  // Huge frequencies stay within reach of a pixel conversion.
  FrqGraph huge = planFrqGraph(pairs({1e300, -1e300}), 1e300, 9000, 4650);
  EXPECT_EQ(huge.frameMarks[0].topLeft.y, -1'000'015);
  EXPECT_EQ(huge.frameMarks[1].topLeft.y, 999'985);
}

TEST(FrqGraph, WindowSizeRule) {
  EXPECT_EQ(frqEditorSize({3000, 9000}).width, 4770);
  EXPECT_EQ(frqEditorSize({3000, 9000}).height, 4650);
  EXPECT_EQ(frqEditorSize({12000, 100}).width, 12000);
  EXPECT_EQ(frqEditorSize({12000, 100}).height, 4650);
}

}  // namespace
