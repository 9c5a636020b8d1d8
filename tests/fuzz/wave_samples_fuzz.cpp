// The voice bank's WAV sample reader: never more samples than the bytes hold.

#include <string>

#include "fuzz/fuzz_targets.h"
#include "voicebank/wave_samples.h"

namespace ruvo::fuzz {

std::string waveSamples(Bytes bytes) {
  auto wave = parseWaveSamples(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), "fuzz");
  // A frame takes at least two bytes of the input.
  if (wave && wave->samples.size() > bytes.size() / 2)
    return std::to_string(wave->samples.size()) + " samples from " + std::to_string(bytes.size()) + " bytes";
  return {};
}

}  // namespace ruvo::fuzz
