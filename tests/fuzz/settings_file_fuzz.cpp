// The settings file: any bytes load, and writing then reading settles after
// one pass.

#include <string>

#include "fuzz/fuzz_targets.h"
#include "settings_round_trip.h"

namespace ruvo::fuzz {

std::string settingsFile(Bytes bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return ruvo::testing::settingsRoundTripSettles(text) ? std::string() : "settings round trip does not settle";
}

}  // namespace ruvo::fuzz
