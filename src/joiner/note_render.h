#pragma once
// Shapes one note: input positions S0..S4-1 under the envelope gain, mixed
// over the previous output's tail, clipped to +-32767. An input frame gives
// its first sample, or for two channels the mean of both.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "joiner/envelope.h"
#include "joiner/input_wave.h"

namespace ruvo::joiner {

// Returns positions.length() samples. tail holds the previous output's last
// samples that the note's head is mixed over (at most positions.length() of
// them are used). Positions outside the input (before its start or past its
// end) contribute silence: there the tail sample is kept as it was, and past
// the tail the sample is 0.
std::vector<int16_t> renderNote(const InputWave& input, const NotePositions& positions,
                                const std::array<double, 4>& gain, std::span<const int16_t> tail);

// Clips to -32767..32767 and truncates toward zero; NaN (from infinite
// gains meeting silence) becomes 0.
int16_t clipSample(double value);

}  // namespace ruvo::joiner
