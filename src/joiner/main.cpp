// splicer: appends one enveloped note to "<outfile>.whd" + "<outfile>.dat".

#include <cstdio>
#include <string_view>
#include <vector>

#include "joiner/splice_call.h"

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const auto outcome = ruvo::joiner::runSplice(args);
  std::fwrite(outcome.out.data(), 1, outcome.out.size(), stdout);
  std::fwrite(outcome.err.data(), 1, outcome.err.size(), stderr);
  return outcome.exitStatus;
}
