#include "settings/settings.h"

namespace ruvo {

std::array<int32_t, kColourCount> defaultColours() {
  std::array<int32_t, kColourCount> values{};
  for (size_t i = 0; i < kColourCount; ++i) values[i] = kColourSettings[i].defaultValue;
  return values;
}

}  // namespace ruvo
