#pragma once
// The small voice bank of voicebanks/make_test_bank.sh (あ か さ た な, two
// "↑" recordings and a prefix.map), built once per test program into a
// temporary folder that goes when the program ends.

#include <string>

namespace ruvo::testing {

struct TestBank {
  std::string folder;  // the bank, when it was built
  std::string error;   // why it was not ("" when it was)
};

// `sourceDir` is the repository, `binDir` the program folder with the tools
// the script runs (resampler, oto_analyser).
const TestBank& testBank(const std::string& sourceDir, const std::string& binDir);

}  // namespace ruvo::testing
