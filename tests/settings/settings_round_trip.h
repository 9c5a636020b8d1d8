#pragma once
// The property the settings fuzz target and the corpus test check for any
// bytes at all: they load without failing, and writing then reading settles
// after one pass (a second write gives the same file as the first re-read).

#include <string_view>

namespace ruvo::testing {

bool settingsRoundTripSettles(std::string_view bytes);

}  // namespace ruvo::testing
