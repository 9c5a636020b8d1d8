#include <gtest/gtest.h>

#include "script/expander.h"
#include "script/words.h"

using namespace ruvo::batch;

namespace {
Variables sample() {
  const char* env[] = {"Output=C:\\out\\song.wav", "params=100 100 ", "pct=50%x", "bad", "=C:=C:\\", nullptr};
  return Variables::fromEnvironment(env);
}
std::string expand(std::string_view text) { return expandPercent(text, sample(), {"h.bat", "あ", "C4"}); }
}  // namespace

TEST(Variables, NamesIgnoreCaseKeepFirstSpellingAndEmptyRemoves) {
  Variables v = sample();
  ASSERT_NE(v.find("OUTPUT"), nullptr);
  EXPECT_EQ(*v.find("output"), "C:\\out\\song.wav");
  v.set("PARAMS", "1 2");
  v.set("stp", "");
  v.set("pct", "");
  EXPECT_EQ(v.find("pct"), nullptr);
  EXPECT_EQ(v.find("bad"), nullptr);
  EXPECT_EQ(v.environment(), (std::vector<std::string>{"Output=C:\\out\\song.wav", "params=1 2"}));
}

TEST(Expander, VariablesArgumentsAndPercentEdges) {
  EXPECT_EQ(expand("\"%OUTPUT%.whd\""), "\"C:\\out\\song.wav.whd\"");
  EXPECT_EQ(expand("[%params%]"), "[100 100 ]");
  EXPECT_EQ(expand("%undefined%x"), "x");
  EXPECT_EQ(expand("%0 %1_%2_%6.wav"), "h.bat あ_C4_.wav");
  EXPECT_EQ(expand("%*|"), "あ C4|");
  EXPECT_EQ(expand("100%%"), "100%");
  EXPECT_EQ(expand("%%params%%"), "%params%");
  EXPECT_EQ(expand("0%stp%"), "0");
  EXPECT_EQ(expand("50% off"), "50 off");       // lone '%' dropped
  EXPECT_EQ(expand("a%b c%d%"), "ad");            // "%b c%" is a (missing) name
  EXPECT_EQ(expand("%pct%"), "50%x");             // a value is not expanded again
  EXPECT_EQ(expand("%"), "");
}

TEST(Words, SplitOnBlanksQuotesGroupAndStay) {
  EXPECT_EQ(splitWords("  call  %helper%\ta \"b c\"  "),
            (std::vector<std::string>{"call", "%helper%", "a", "\"b c\""}));
  EXPECT_EQ(splitWords("\"a \"b\" c\" d"), (std::vector<std::string>{"\"a \"b\" c\"", "d"}));
  EXPECT_EQ(splitWords("x\"y z"), (std::vector<std::string>{"x\"y", "z"}));  // lone quote
  EXPECT_EQ(splitWords("\"\" ;|&"), (std::vector<std::string>{"\"\"", ";|&"}));
}

TEST(Words, UnquoteAndPathOperands) {
  EXPECT_EQ(unquote("\"a \"b\" c\""), "a b c");
  EXPECT_EQ(unquote("\"\""), "");
  EXPECT_EQ(unquote("it\"s"), "it\"s");
  EXPECT_EQ(pathOperand("\"/v/声ソ\\あ.wav\""), "/v/声ソ/あ.wav");
}
