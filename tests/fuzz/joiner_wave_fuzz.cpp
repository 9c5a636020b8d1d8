// The joiner's input WAV and header parsers and its note renderer, through
// the checks of the joiner's own fuzz entry.

#include <string>

#include "fuzz/fuzz_targets.h"
#include "joiner_fuzz_entry.h"

namespace ruvo::fuzz {

std::string joinerWave(Bytes bytes) {
  ruvo::joiner::testing::exerciseJoinerParsers(bytes);
  return {};
}

}  // namespace ruvo::fuzz
