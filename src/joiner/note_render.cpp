#include "joiner/note_render.h"

#include <algorithm>
#include <cmath>

namespace ruvo::joiner {

int16_t clipSample(double value) {
  if (std::isnan(value)) return 0;
  if (value > 32767) return 32767;
  if (value < -32767) return -32767;
  return static_cast<int16_t>(value);
}

std::vector<int16_t> renderNote(const InputWave& input, const NotePositions& positions,
                                const std::array<double, 4>& gain, std::span<const int16_t> tail) {
  const int64_t length = positions.length();
  const auto overlap = std::min<int64_t>(static_cast<int64_t>(tail.size()), length);
  std::vector<int16_t> note(static_cast<size_t>(length), 0);
  std::copy_n(tail.begin(), overlap, note.begin());
  for (int64_t k = 0; k < length; ++k) {
    const int64_t i = positions.s[0] + k;
    const auto x = input.frameValue(i);
    if (!x) continue;
    double y = gainAt(positions, gain, i) * *x;
    if (k < overlap) y += tail[static_cast<size_t>(k)];
    note[static_cast<size_t>(k)] = clipSample(y);
  }
  return note;
}

}  // namespace ruvo::joiner
