#pragma once
// Runs a program with arguments (no shell) and collects its exit status and
// output, for tests of the console programs.

#include <string>
#include <vector>

namespace ruvo::testing {

struct ProcessResult {
  int status = -1;  // exit status, 128 + the signal when one ended it, -1 when it did not start
  std::string out;
  std::string err;
};

// Runs `program` with `args` in `folder` (the current one when empty).
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& folder = "");

}  // namespace ruvo::testing
