#include "joiner_fuzz_entry.h"

#include <algorithm>
#include <array>
#include <vector>

#include "joiner/envelope.h"
#include "joiner/input_wave.h"
#include "joiner/note_render.h"
#include "joiner/output_header.h"

namespace ruvo::joiner::testing {

void exerciseJoinerParsers(std::span<const uint8_t> bytes) {
  OutputHeader header = parseOutputHeader(bytes);
  if (header.problem == HeaderProblem::None) storeSizes(header.bytes, header.riffSize, header.dataSize);

  const InputWave input = parseInputWave(bytes);
  if (input.problem != InputProblem::None) return;
  // Keep the note short whatever the file claims, so a run stays fast.
  const int64_t frames = std::min<int64_t>(input.frameCount, 4096);
  const std::array<double, 4> gain = {1, 0.5, 2, -1};
  const std::vector<int16_t> tail = {32767, -32768, 5};
  const std::array<std::array<int64_t, 5>, 3> envelopes = {{
      {-3, 0, 1, frames, frames + 5},
      {0, 0, 0, 0, frames},
      {frames / 2, frames / 2, frames, frames + 1, frames + 2},
  }};
  for (const auto& s : envelopes) {
    NotePositions positions;
    positions.s = s;
    const auto note = renderNote(input, positions, gain, tail);
    if (note.size() != static_cast<size_t>(positions.length())) __builtin_trap();
  }
}

}  // namespace ruvo::joiner::testing
