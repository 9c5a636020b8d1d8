#pragma once
// The note's volume envelope: five times T0..T4 that bound four linear gain
// segments (0 -> v1, v1 -> v2, v2 -> v3, v3 -> v4), and the overlap time.
// Times are in microseconds of the input; gains are factors (1.0 = 100 %).

#include <array>
#include <cstdint>
#include <optional>

#include "core/error.h"
#include "joiner/splice_args.h"

namespace ruvo::joiner {

struct EnvelopeTimes {
  std::array<double, 5> t{};      // microseconds, T0 <= T1 <= ... <= T4
  double overlap = 0;             // microseconds
  std::array<double, 4> gain{};   // v1..v4 as factors
};

// Builds the times of the short or long form and checks their order.
// Times out of order, or any value that read as infinite, give an error
// whose message is the console's invalid-parameter text.
[[nodiscard]] Result<EnvelopeTimes> envelopeTimes(const SpliceArgs& args);

// The envelope in sample positions of one input rate:
// S_k = trunc(rate * T_k / 1e6), and the requested overlap S_ovr the same
// way (0 when not above 0).
struct NotePositions {
  std::array<int64_t, 5> s{};
  int64_t overlap = 0;  // as requested, not yet judged against the output
  int64_t length() const { return s[4] - s[0]; }

  // The samples the note is mixed over at the end of an output of
  // `dataBytes` bytes: none unless 0 < 2 x S_ovr < dataBytes; an overlap
  // that applies but is longer than the note covers the whole note.
  int64_t appliedOverlap(int64_t dataBytes) const;
};

// The longest note the output can take: its data size is a signed 32-bit
// byte count that also leaves room for the 36 bytes of the RIFF size.
inline constexpr int64_t kMaxNoteSamples = (INT32_MAX - 36) / 2;

// nullopt when the note would be longer than kMaxNoteSamples.
std::optional<NotePositions> notePositions(const EnvelopeTimes& times, uint32_t sampleRate);

}  // namespace ruvo::joiner
