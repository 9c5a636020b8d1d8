#pragma once
// One fuzz input through everything splicer does with untrusted bytes: the
// input WAV parser, the header parser, and the note renderer over envelopes
// that start before the input and run past its end.

#include <cstdint>
#include <span>

namespace ruvo::joiner::testing {

void exerciseJoinerParsers(std::span<const uint8_t> bytes);

}  // namespace ruvo::joiner::testing
