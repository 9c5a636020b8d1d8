// The libFuzzer entry of one target: RUVO_FUZZ_ENTRY names its function.
// A failed check aborts with the target's description, so libFuzzer keeps
// the input as a crash.

#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string fault = ruvo::fuzz::RUVO_FUZZ_ENTRY({data, size});
  if (!fault.empty()) {
    std::fprintf(stderr, "check failed: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
