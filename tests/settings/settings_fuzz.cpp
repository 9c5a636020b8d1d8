// libFuzzer entry point for the settings reader and writer. Built as
// settings_fuzzer with -DRUVO_FUZZ=ON under clang; the corpus test replays
// the checked-in files through the same check in every build.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "settings_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!ruvo::testing::settingsRoundTripSettles(bytes)) __builtin_trap();
  return 0;
}
