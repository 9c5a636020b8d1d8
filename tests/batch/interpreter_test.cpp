#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "batch/interpreter.h"
#include "batch/program_runner.h"
#include "core/text_file.h"
#include "file_bytes.h"
#include "support/temp_folder.h"

using namespace ruvo::batch;
using namespace ruvo::batch::test;
using ruvo::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

// Runs scripts in-process; programs are recorded, not started, unless real.
struct Harness {
  TempFolder dir;
  std::ostringstream diagnostics;
  std::vector<std::string> started;  // "program|arg|arg..."
  Interpreter interpreter;

  explicit Harness(bool real = false, Variables variables = {})
      : interpreter(InterpreterOptions{dir.path(), std::move(variables), &diagnostics, real ? ProgramStarter() : recorder()}) {}

  ProgramStarter recorder() {
    return [this](const std::string& program, const std::vector<std::string>& args, const std::string& folder,
                  const std::vector<std::string>&) -> ruvo::Result<int> {
      std::string entry = fs::relative(program, folder).string();
      for (const auto& a : args) entry += "|" + a;
      started.push_back(entry);
      return 1;
    };
  }

  void run(const std::vector<std::string>& lines, const std::vector<std::string>& args = {}) {
    interpreter.runLines(dir / "s.bat", lines, args);
  }
  void script(const std::string& name, const std::vector<std::string>& lines) {
    ASSERT_TRUE(ruvo::writeTextLines(dir / name, lines));
  }
  void program(const std::string& name) {
    put(dir / name, "");
    fs::permissions(dir / name, fs::perms::owner_all);
  }
  std::string var(const std::string& name) const {
    const std::string* v = interpreter.variables().find(name);
    return v ? *v : "<undefined>";
  }
};

}  // namespace

TEST(Interpreter, SetKeepsTrailingBlanksAndIfElseChoosesOnExpandedText) {
  Harness h;
  h.run({"@set params=100 100 ", "@set \"q=a b\" ignored", R"(@if "%PARAMS%"=="100 100 " (set t=shared) else (set t=own))",
         R"(if "%params%"=="100 100" (set u=1) else (set u=2))", "if /i ABC==abc set v=1", "if not A==a set w=1",
         "set stp=5", "set stp="});
  EXPECT_EQ(h.var("params"), "100 100 ");
  EXPECT_EQ(h.var("q"), "a b");
  EXPECT_EQ(h.var("t"), "shared");
  EXPECT_EQ(h.var("u"), "2");
  EXPECT_EQ(h.var("v"), "1");
  EXPECT_EQ(h.var("w"), "1");
  EXPECT_EQ(h.var("stp"), "<undefined>");
  EXPECT_EQ(h.diagnostics.str(), "");
}

TEST(Interpreter, BlockIsExpandedOnceBeforeItRuns) {
  Harness h;
  h.run({"set x=old", "if a==a (", "  set x=new", "  set y=%x%", ")", "set z=%x%"});
  EXPECT_EQ(h.var("y"), "old");
  EXPECT_EQ(h.var("z"), "new");
}

TEST(Interpreter, CallPassesArgumentsSharesVariablesAndReportsProgress) {
  Harness h;
  h.script("s_helper.bat", {"@set seen=%0/%1/%2/%9/%3", "@set temp=%cachedir%\\%1_%2.wav", "@\"prog\" %*"});
  h.program("prog");
  h.run({"@set helper=s_helper.bat", "@set cachedir=c", "call %helper% あ \"b c\" C4", "if 1==1 (", "call %HELPER% い",
         ")", "call missing.bat x"});
  EXPECT_EQ(h.var("seen"), "s_helper.bat/い///");
  EXPECT_EQ(h.var("temp"), "c\\い_.wav");
  EXPECT_EQ(h.started, (std::vector<std::string>{"prog|あ|b c|C4", "prog|い"}));
  EXPECT_EQ(h.diagnostics.str(),
            "progress 1 3\nprogress 2 3\nprogress 3 3\n"
            "ruvo-batch: s.bat line 7: not a command or program: missing.bat\n");
}

TEST(Interpreter, EachTopLevelCallWaitsForALineOfGoAheadUntilItsEnd) {
  TempFolder dir;
  std::istringstream goAhead("go\ngo\n");
  std::ostringstream diagnostics;
  std::vector<std::string> started;  // program argument @ how far the go-ahead was read
  auto recorder = [&](const std::string&, const std::vector<std::string>& args, const std::string&,
                      const std::vector<std::string>&) -> ruvo::Result<int> {
    started.push_back(args.at(0) + "@" + std::to_string(static_cast<long long>(goAhead.tellg())));
    return 0;
  };
  Interpreter interpreter(InterpreterOptions{dir.path(), {}, &diagnostics, recorder, &goAhead});
  ASSERT_TRUE(ruvo::writeTextLines(dir / "note.bat", {"@\"prog\" %1", "@call inner.bat %1"}));
  ASSERT_TRUE(ruvo::writeTextLines(dir / "inner.bat", {"@\"prog\" inner%1"}));
  put(dir / "prog", "");
  fs::permissions(dir / "prog", fs::perms::owner_all);
  // A call inside a called script waits for nothing; past the end of the
  // go-ahead, calls go on.
  interpreter.runLines(dir / "s.bat", {"@\"prog\" first", "call note.bat 1", "call note.bat 2", "call note.bat 3"},
                       {});
  EXPECT_EQ(started, (std::vector<std::string>{"first@0", "1@3", "inner1@3", "2@6", "inner2@6", "3@-1", "inner3@-1"}));
  EXPECT_EQ(diagnostics.str(), "progress 1 3\nprogress 2 3\nprogress 3 3\n");
}

TEST(Interpreter, UnknownCommandsAndMissingProgramsAreReportedAndSkipped) {
  Harness h;
  h.run({"@echo off", "goto end", "\"/no/such/tool\" a", "frobnicate", "set novalue", "if a==", "del a b", "set done=1"});
  EXPECT_EQ(h.var("done"), "1");
  EXPECT_EQ(h.diagnostics.str(),
            "ruvo-batch: s.bat line 1: unknown command: echo\n"
            "ruvo-batch: s.bat line 2: unknown command: goto\n"
            "ruvo-batch: s.bat line 3: not a command or program: \"/no/such/tool\"\n"
            "ruvo-batch: s.bat line 4: not a command or program: frobnicate\n"
            "ruvo-batch: s.bat line 5: set needs name=value: set novalue\n"
            "ruvo-batch: s.bat line 6: syntax error: if with an empty operand\n");
}

TEST(Interpreter, ProgramsAreFoundInTheFolderThenOnPath) {
  Variables vars;
  vars.set("PATH", "bin1:bin2");
  Harness h(false, vars);
  h.program("bin1/tool");
  h.program("bin2/tool");
  h.program("bin2/other");
  h.program("tool2");
  put(h.dir / "plain", "");  // not executable
  fs::permissions(h.dir / "plain", fs::perms::owner_read | fs::perms::owner_write);
  h.run({"tool a\\b", "other", "tool2 \"x y\" \"\"", "plain", "bin2\\tool"});
  EXPECT_EQ(h.started, (std::vector<std::string>{"bin1/tool|a/b", "bin2/other", "tool2|x y|", "bin2/tool"}));
  EXPECT_EQ(h.diagnostics.str(), "ruvo-batch: s.bat line 4: not a command or program: plain\n");
}

TEST(Interpreter, ScriptWithoutCallTakesOverAndRecursionEnds) {
  Harness h;
  h.script("next.bat", {"set n=%1"});
  h.script("loop.bat", {"call loop.bat"});
  h.run({"next.bat 7", "set after=1"});
  EXPECT_EQ(h.var("n"), "7");
  EXPECT_EQ(h.var("after"), "<undefined>");
  h.run({"call loop.bat", "set after=2"});
  EXPECT_EQ(h.var("after"), "2");
  EXPECT_NE(h.diagnostics.str().find("loop.bat line 1: calls nested too deeply"), std::string::npos);
}

TEST(Interpreter, ShellCharactersReachTheProgramLiterally) {
  Variables vars;
  vars.set("RUVO_PROBE", "p");
  Harness h(true, vars);
  fs::copy_file(RUVO_RECORD_ARGS, h.dir / "rec");
  std::string marker = h.dir / "marker";
  h.run({"@set lyric=a;touch " + marker + "|b&c",
         "\"rec\" %lyric% $(touch " + marker + ") `touch " + marker + "` 'q' \"x > y\" <z it\"s ~ *",
         "set RUVO_PROBE=%lyric%", "rec \"\""});
  EXPECT_FALSE(fs::exists(marker));
  EXPECT_EQ(slurp(h.dir / "record.log"),
            "[a;touch][" + marker + "|b&c][$(touch][" + marker + ")][`touch][" + marker +
                "`]['q'][x > y][<z][it\"s][~][*]{RUVO_PROBE=p}\n"
                "[]{RUVO_PROBE=a;touch " + marker + "|b&c}\n");
  EXPECT_EQ(h.diagnostics.str(), "");  // a failing exit status is not reported
}

TEST(Interpreter, ScriptFileReadAsCp932WithBackslashTrailBytes) {
  Harness h;
  // ソ is 83 5C in CP932: its second byte must not split the path.
  put(h.dir / "cp.bat", "@set oto=\x83\x5C\\voice\r\n@mkdir \"%oto%\"\n");
  ASSERT_TRUE(h.interpreter.runFile("cp.bat", {}));
  EXPECT_TRUE(fs::is_directory(h.dir / "ソ/voice"));
  auto missing = h.interpreter.runFile("none.bat", {});
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().code, ruvo::ErrorCode::NotFound);
}
