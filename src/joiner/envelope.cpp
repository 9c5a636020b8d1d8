#include "joiner/envelope.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "joiner/console_texts.h"

namespace ruvo::joiner {

Result<EnvelopeTimes> envelopeTimes(const SpliceArgs& a) {
  for (double value : {a.offset, a.length, a.p1, a.p2, a.p3, a.v1, a.v2, a.v3, a.v4, a.ovr})
    if (!std::isfinite(value)) return fail(ErrorCode::BadArgument, std::string(text::kBadParameters));
  EnvelopeTimes env;
  env.t[0] = a.offset * 1000;
  env.t[1] = (a.offset + a.p1) * 1000;
  if (a.longForm) {
    env.t[2] = (a.offset + a.p1 + a.p2) * 1000;
    env.t[3] = (a.offset + a.length - a.p3) * 1000;
    env.t[4] = (a.offset + a.length) * 1000;
  } else {
    env.t[2] = (a.offset + a.length - a.p2) * 1000;
    env.t[3] = (a.offset + a.length) * 1000;
    env.t[4] = env.t[3];
  }
  env.overlap = a.ovr * 1000;
  env.gain = {a.v1 * 0.01, a.v2 * 0.01, a.v3 * 0.01, a.v4 * 0.01};
  for (size_t k = 0; k + 1 < env.t.size(); ++k)
    if (!(env.t[k] <= env.t[k + 1])) return fail(ErrorCode::BadArgument, std::string(text::kBadParameters));
  return env;
}

std::optional<NotePositions> notePositions(const EnvelopeTimes& times, uint32_t sampleRate) {
  const double rate = sampleRate;
  std::array<double, 5> s{};
  for (size_t k = 0; k < s.size(); ++k) s[k] = std::trunc(rate * times.t[k] / 1000000);
  // Positions stay exact integers in a double far beyond this bound, and
  // a note longer than the output can declare is refused anyway.
  constexpr double kPositionLimit = 1e15;
  if (!(std::fabs(s[0]) <= kPositionLimit && std::fabs(s[4]) <= kPositionLimit)) return std::nullopt;
  NotePositions positions;
  for (size_t k = 0; k < s.size(); ++k) positions.s[k] = static_cast<int64_t>(s[k]);
  if (positions.length() > kMaxNoteSamples) return std::nullopt;
  // An overlap past the largest output never applies; the bound only keeps
  // the conversion defined.
  constexpr double kOverlapLimit = double{INT32_MAX};
  const double overlap = std::trunc(rate * times.overlap / 1000000);
  if (overlap > 0) positions.overlap = static_cast<int64_t>(std::min(overlap, kOverlapLimit));
  return positions;
}

int64_t NotePositions::appliedOverlap(int64_t dataBytes) const {
  if (overlap <= 0 || 2 * overlap >= dataBytes) return 0;
  return std::min(overlap, length());
}

}  // namespace ruvo::joiner
