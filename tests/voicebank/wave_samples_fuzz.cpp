// libFuzzer entry for the WAV sample reader. Build with clang and
// -DRUVO_FUZZ=ON, then run build/bin/wave_samples_fuzz tests/voicebank/data/wave_corpus
// (the corpus test replays the same inputs in every build).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "voicebank/wave_samples.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto wave = ruvo::parseWaveSamples(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
  // A frame takes at least two bytes of the input.
  if (wave && wave->samples.size() > size / 2) __builtin_trap();
  return 0;
}
