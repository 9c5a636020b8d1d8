#include <gtest/gtest.h>

#include "script/script.h"

using namespace ruvo::batch;
using Kind = Statement::Kind;

namespace {
std::vector<Statement> parse(const std::vector<std::string>& lines) { return parseScript("t.bat", lines).statements; }
}  // namespace

TEST(ScriptParser, CommandsKeepTheirRawTextAndLine) {
  auto s = parse({"@rem project=あ(", "", "@set params=100 100 ", ":label", "  @@\"%tool%\" \"%output%\" x"});
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].kind, Kind::Command);
  EXPECT_EQ(s[0].text, "set params=100 100 ");  // trailing blank kept
  EXPECT_EQ(s[0].line, 3);
  EXPECT_EQ(s[1].text, "\"%tool%\" \"%output%\" x");
  EXPECT_EQ(s[1].line, 5);
}

TEST(ScriptParser, IfWithElseBlocksOnOneLine) {
  auto s = parse({R"(@if "%params%"=="100 100 " (set temp=%c%\%1.wav) else (set temp=%c%\%9_%1.wav))"});
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].kind, Kind::IfEqual);
  EXPECT_EQ(s[0].text, "\"%params%\"");
  EXPECT_EQ(s[0].right, "\"100 100 \"");
  ASSERT_EQ(s[0].body.size(), 2u);
  EXPECT_EQ(s[0].body[0].body.at(0).text, R"(set temp=%c%\%1.wav)");
  EXPECT_EQ(s[0].body[1].body.at(0).text, R"(set temp=%c%\%9_%1.wav)");
}

TEST(ScriptParser, NestedBlocksAcrossLines) {
  auto s = parse({R"(@if exist "%output%.whd" ()", R"(  if exist "%output%.dat" ()",
                  R"(    copy /Y "%output%.whd" /B + "%output%.dat" /B "%output%")",
                  R"(    del "%output%.whd" "%output%.dat")", "  )", ")", "call x"});
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].kind, Kind::IfExist);
  EXPECT_EQ(s[0].text, "\"%output%.whd\"");
  const Statement& inner = s[0].body.at(0).body.at(0);
  EXPECT_EQ(inner.kind, Kind::IfExist);
  EXPECT_EQ(inner.line, 2);
  ASSERT_EQ(inner.body.at(0).body.size(), 2u);
  EXPECT_EQ(inner.body[0].body[1].text, R"(del "%output%.whd" "%output%.dat")");
  EXPECT_EQ(inner.body[0].body[1].line, 4);
  EXPECT_EQ(s[1].line, 7);
}

TEST(ScriptParser, QuotedParenthesisDoesNotCloseABlock) {
  auto s = parse({R"(@if not exist "a)b" ("%r%" "x)y" z) else del q)"});
  ASSERT_EQ(s.size(), 1u);
  EXPECT_TRUE(s[0].negate);
  EXPECT_EQ(s[0].text, "\"a)b\"");
  EXPECT_EQ(s[0].body.at(0).body.at(0).text, R"("%r%" "x)y" z)");
  EXPECT_EQ(s[0].body.at(1).text, "del q");
}

TEST(ScriptParser, IfOptionsAndCommandWithoutBlock) {
  auto s = parse({"if /I not a==b call x else y"});
  ASSERT_EQ(s.size(), 1u);
  EXPECT_TRUE(s[0].ignoreCase);
  EXPECT_TRUE(s[0].negate);
  ASSERT_EQ(s[0].body.size(), 1u);  // without a block, "else" is an argument
  EXPECT_EQ(s[0].body[0].text, "call x else y");
}

TEST(ScriptParser, MalformedStatementsBecomeInvalidAndParsingGoesOn) {
  auto s = parse({"if a== (x)", "if exist", "if a==b", ")", "(a", "set ok=1"});
  std::vector<Kind> kinds;
  for (const auto& st : s) kinds.push_back(st.kind);
  // "(a" swallows the last line looking for its ')' and is reported.
  EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Invalid, Kind::Invalid, Kind::Invalid, Kind::Invalid, Kind::Invalid}));
  EXPECT_EQ(s.back().line, 5);
  EXPECT_EQ(s.back().text, "missing ) for the ( of this line");
}

TEST(ScriptParser, CountsCallsInsideBlocks) {
  auto s = parse({"call a", "@CALL b c", "if x==x (", " call c", ")", "calls", "@rem call d"});
  EXPECT_EQ(countCalls(s), 3);
}
