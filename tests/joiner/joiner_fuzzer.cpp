// libFuzzer entry point (built with -DRUVO_FUZZ=ON and clang).

#include <cstddef>
#include <cstdint>

#include "joiner_fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ruvo::joiner::testing::exerciseJoinerParsers({data, size});
  return 0;
}
