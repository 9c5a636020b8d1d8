// ruvo-batch FILE [ARG...]: runs a project batch script in the current folder.
// Exit status 0 when the script ran to its end, 2 when it could not be read.

#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "batch/interpreter.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: ruvo-batch FILE [ARG...]\n";
    return 2;
  }
  std::error_code ec;
  ruvo::batch::InterpreterOptions options;
  options.folder = std::filesystem::current_path(ec).string();
  options.variables = ruvo::batch::Variables::fromEnvironment(environ);
  options.diagnostics = &std::cerr;
  ruvo::batch::Interpreter interpreter(std::move(options));
  auto ran = interpreter.runFile(argv[1], std::vector<std::string>(argv + 2, argv + argc));
  if (!ran) {
    std::cerr << "ruvo-batch: error: " << ran.error().message << '\n';
    return 2;
  }
  return 0;
}
