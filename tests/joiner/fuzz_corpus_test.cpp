// Replays the fuzz corpus, and seeded mutations of it, without libFuzzer.
// Built with RUVO_SANITIZE=ON this catches any read outside a buffer.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "byte_files.h"
#include "joiner_fuzz_entry.h"

using namespace ruvo::joiner::testing;

namespace {

// A fixed linear congruential generator, so every run mutates the same way.
struct Mutator {
  uint64_t state;
  uint64_t next() {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return state >> 33;
  }
  std::vector<uint8_t> mutate(std::vector<uint8_t> bytes) {
    switch (next() % 3) {
      case 0:
        if (!bytes.empty()) bytes.resize(next() % bytes.size());
        break;
      case 1:
        for (int n = 0; n < 4 && !bytes.empty(); ++n) bytes[next() % bytes.size()] = static_cast<uint8_t>(next());
        break;
      default:
        // Size and count fields sit in the first 44 bytes: set one to an extreme.
        if (bytes.size() >= 44) bytes[16 + next() % 28] = (next() & 1) ? 0xFF : 0x00;
        break;
    }
    return bytes;
  }
};

TEST(JoinerFuzzCorpus, EveryFileAndItsMutationsParseSafely) {
  const std::filesystem::path corpus = std::filesystem::path(RUVO_FUZZ_CORPUS_DIR) / "joiner";
  size_t files = 0;
  Mutator mutator{42};
  for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
    const auto bytes = readBytes(entry.path());
    exerciseJoinerParsers(bytes);
    for (int round = 0; round < 500; ++round) exerciseJoinerParsers(mutator.mutate(bytes));
    ++files;
  }
  EXPECT_GE(files, 10u);
}

}  // namespace
