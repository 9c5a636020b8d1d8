// ruvo-batch [--go-ahead-on-stdin] FILE [ARG...]: runs a project batch script
// in the current folder. Exit status 0 when the script ran to its end, 2 when
// it could not be read.

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>
#include <unistd.h>

#include "batch/interpreter.h"
#include "batch/joiner_in_process.h"
#include "batch/program_runner.h"
#include "core/program_info.h"

namespace {

constexpr std::string_view kGoAhead = "--go-ahead-on-stdin";
constexpr std::string_view kHelp = R"(usage: ruvo-batch [--go-ahead-on-stdin] FILE [ARG...]

Runs the project batch file FILE (a script ruvo wrote, read as CP932) in the
current folder, with ARG... as %1..%9. It runs the commands ruvo writes:
@, rem, set, call, if exist / if not exist / if "a"=="b" (...) else (...),
del, mkdir, copy /Y a /B + b /B c, and a quoted program with its arguments,
started directly (never through a shell); the splicer installed beside
ruvo-batch runs inside it instead, with the same output. Any other command
is reported on stderr and skipped. Progress (note k of n) goes to stderr.

Options:
  --go-ahead-on-stdin  before each call of FILE itself, wait for one line on
                       standard input; once the input ends, wait no more.
                       The programs the script starts then read /dev/null.
                       ruvo uses it to run the script while it makes the
                       notes ahead in parallel.
  --help               show this text.
  --version            show the version.

Exit status 0 when the script ran to its end, 2 when it could not be read.
)";

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  if (auto answered = ruvo::answerInfoRequest(words, "ruvo-batch", kHelp, std::cout)) return *answered;
  const bool goAhead = !words.empty() && words.front() == kGoAhead;
  const size_t file = goAhead ? 1 : 0;
  if (words.size() <= file) {
    std::cerr << "usage: ruvo-batch [--go-ahead-on-stdin] FILE [ARG...]\n";
    return 2;
  }
  std::error_code ec;
  ruvo::batch::InterpreterOptions options;
  options.folder = std::filesystem::current_path(ec).string();
  options.variables = ruvo::batch::Variables::fromEnvironment(environ);
  options.diagnostics = &std::cerr;
  if (goAhead) {
    // The go-ahead lines are this process's alone.
    options.goAhead = &std::cin;
    options.starter = ruvo::batch::spawnWithoutInput;
  } else {
    options.starter = ruvo::batch::spawnAndWait;
  }
  // The splicer installed beside this program joins in this process.
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec)
    options.starter = ruvo::batch::joinerInProcess((self.parent_path() / "splicer").string(), options.folder,
                                                       options.starter);
  ruvo::batch::Interpreter interpreter(std::move(options));
  const std::vector<std::string> arguments(words.begin() + static_cast<long>(file) + 1, words.end());
  auto ran = interpreter.runFile(words[file], arguments);
  if (!ran) {
    std::cerr << "ruvo-batch: error: " << ran.error().message << '\n';
    return 2;
  }
  return 0;
}
