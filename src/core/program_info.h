#pragma once
// The two questions every console program answers the same way: `PROG
// --help` prints the program's help text on standard output, `PROG
// --version` prints "PROG VERSION". Only a command line of exactly that one
// argument asks; any other command line is the program's own business, so a
// tool whose arguments are file names keeps every call it had.

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace ruvo {

// The version of this build of ruvo ("0.1.0").
std::string_view programVersion();

// Whether `args` (without the program name) is one of those two questions.
bool isInfoRequest(std::span<const std::string> args);

// Answers `--help` or `--version` on `out` and returns the exit status 0;
// nullopt when `args` (without the program name) is not one of those two.
[[nodiscard]] std::optional<int> answerInfoRequest(std::span<const std::string> args, std::string_view program,
                                                   std::string_view help, std::ostream& out);

}  // namespace ruvo
