// Random scripts, built from the pieces render scripts are made of and from
// raw bytes, must never crash the interpreter, hang it, or start anything
// but the two programs placed in the test folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <sstream>

#include "batch/interpreter.h"
#include "core/text_codec.h"
#include "core/text_file.h"
#include "file_bytes.h"
#include "support/temp_folder.h"

using namespace ruvo::batch;
using namespace ruvo::batch::test;
using ruvo::testing::TempFolder;
namespace fs = std::filesystem;

namespace {

const std::vector<std::string> kPieces = {
    "@", "set ", "x=", "%x%", "%1", "%%", "%", "call ", "h.bat ", "if ", "not ", "exist ", "\"a b\"", "==", "(", ")",
    " else ", "del ", "mkdir ", "md ", "copy ", "/Y ", "/B ", "+", "prog ", "\"tool dir\\x\" ", "rem ", ":", "\"",
    " ", "  ", "\t", "\n", "\r\n", "a", "b.wav", "sub\\c", ";", "|", "&", "$(", "`", "'", "<", ">", "あ", "ソ",
    "sh ", "-c ", "echo ", "%prog%", "set prog=prog", "%PATH%", "\xff", "\x81"};

std::string randomScript(std::mt19937& rng) {
  std::string text;
  std::uniform_int_distribution<size_t> pick(0, kPieces.size() - 1);
  int count = std::uniform_int_distribution<int>(1, 60)(rng);
  for (int i = 0; i < count; ++i) text += kPieces[pick(rng)];
  return text;
}

std::string randomBytes(std::mt19937& rng) {
  std::string text(std::uniform_int_distribution<size_t>(0, 200)(rng), '\0');
  for (char& c : text) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
  return text;
}

void runOne(const std::string& bytes, const std::string& sandbox) {
  fs::remove_all(sandbox);
  put(sandbox + "/h.bat", "set y=%1\r\nprog %y%\r\n");
  put(sandbox + "/prog", "");
  put(sandbox + "/tool dir/x", "");
  fs::permissions(sandbox + "/prog", fs::perms::owner_all);
  fs::permissions(sandbox + "/tool dir/x", fs::perms::owner_all);
  std::set<std::string> allowed = {sandbox + "/prog", sandbox + "/tool dir/x"};

  std::ostringstream diagnostics;
  std::vector<std::string> started;
  ProgramStarter recorder = [&](const std::string& program, const std::vector<std::string>&, const std::string&,
                                const std::vector<std::string>&) -> ruvo::Result<int> {
    started.push_back(program);
    return 0;
  };
  Interpreter interpreter(InterpreterOptions{sandbox, Variables(), &diagnostics, recorder});
  interpreter.runLines(sandbox + "/s.bat", ruvo::splitLines(ruvo::cp932ToUtf8(bytes)), {"arg"});
  for (const std::string& program : started) EXPECT_TRUE(allowed.count(program)) << program << "\nscript:\n" << bytes;
}

}  // namespace

TEST(ScriptFuzz, RandomScriptsStartOnlyTheProgramsTheyName) {
  TempFolder dir;
  std::mt19937 rng(20240607);
  for (int i = 0; i < 1000; ++i) runOne(randomScript(rng), dir / "deep/er/sandbox");
  for (int i = 0; i < 500; ++i) runOne(randomBytes(rng), dir / "deep/er/sandbox");
}
