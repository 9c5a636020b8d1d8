// Replays every fuzz target's seed corpus, findings included, in every
// build; under RUVO_SANITIZE=ON (or in the fuzz build) the sanitizers also
// watch each input.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fuzz/fuzz_targets.h"

namespace ruvo::fuzz {

void PrintTo(const FuzzTarget& target, std::ostream* out) { *out << target.name; }

}  // namespace ruvo::fuzz

namespace {

using ruvo::fuzz::FuzzTarget;

class FuzzCorpus : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzCorpus, EveryInputPassesItsTargetsChecks) {
  const FuzzTarget& target = GetParam();
  const std::filesystem::path folder = std::filesystem::path(RUVO_FUZZ_CORPUS_DIR) / target.name;
  std::vector<std::filesystem::path> inputs;
  for (const auto& item : std::filesystem::directory_iterator(folder))
    if (item.is_regular_file()) inputs.push_back(item.path());
  std::sort(inputs.begin(), inputs.end());
  EXPECT_GE(inputs.size(), 3u) << folder;
  for (const auto& input : inputs) {
    std::ifstream in(input, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(target.entry(bytes), "") << input;
  }
}

INSTANTIATE_TEST_SUITE_P(AllTargets, FuzzCorpus, ::testing::ValuesIn(ruvo::fuzz::fuzzTargets()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
