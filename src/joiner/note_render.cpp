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

namespace {

double sampleAt(const uint8_t* bytes, int64_t index) {
  return static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * index] | (bytes[2 * index + 1] << 8)));
}

// Shapes note samples from..to-1, whose input frames all lie inside the
// input and under one envelope segment, whose gain at position x is
// gain(x). A loop per segment and channel layout, free of per-sample
// checks, so that the compiler can run it as vectors.
template <bool Stereo, typename Gain>
void shapeSpan(const InputWave& input, int64_t s0, int64_t from, int64_t to, std::span<const int16_t> tail,
               int16_t* note, Gain gain) {
  const uint8_t* bytes = input.sampleBytes.data();
  const int64_t stride = input.channels;
  const auto overlap = static_cast<int64_t>(tail.size());
  for (int64_t k = from; k < to; ++k) {
    const int64_t i = s0 + k;
    // A frame's value: the mean of a stereo frame, else its first sample.
    const double x = Stereo ? (sampleAt(bytes, 2 * i) + sampleAt(bytes, 2 * i + 1)) * 0.5 : sampleAt(bytes, i * stride);
    double y = gain(static_cast<double>(i)) * x;
    if (k < overlap) y += tail[static_cast<size_t>(k)];
    note[k] = clipSample(y);
  }
}

}  // namespace

std::vector<int16_t> renderNote(const InputWave& input, const NotePositions& positions,
                                const std::array<double, 4>& gain, std::span<const int16_t> tail) {
  const int64_t length = positions.length();
  const auto overlap = std::min<int64_t>(static_cast<int64_t>(tail.size()), length);
  std::vector<int16_t> note(static_cast<size_t>(length), 0);
  std::copy_n(tail.begin(), overlap, note.begin());
  tail = tail.first(static_cast<size_t>(overlap));
  const auto& s = positions.s;
  // Note sample k reads input frame s[0] + k; frames outside the input keep
  // what the note holds there.
  const int64_t first = std::clamp<int64_t>(-s[0], 0, length);
  const int64_t last = std::clamp<int64_t>(input.frameCount - s[0], first, length);
  // The four segments' gains, each linear between its ends; a segment of
  // zero samples holds no position, so none divides by zero.
  const double s0 = static_cast<double>(s[0]), s1 = static_cast<double>(s[1]);
  const double s2 = static_cast<double>(s[2]), s3 = static_cast<double>(s[3]), s4 = static_cast<double>(s[4]);
  const double d01 = static_cast<double>(s[1] - s[0]), d12 = static_cast<double>(s[2] - s[1]);
  const double d23 = static_cast<double>(s[3] - s[2]), d34 = static_cast<double>(s[4] - s[3]);
  const auto& v = gain;
  auto rise = [&](double x) { return (x - s0) * v[0] / d01; };
  auto second = [&](double x) { return ((x - s1) * v[1] + (s2 - x) * v[0]) / d12; };
  auto third = [&](double x) { return ((x - s2) * v[2] + (s3 - x) * v[1]) / d23; };
  auto fall = [&](double x) { return ((x - s3) * v[3] + (s4 - x) * v[2]) / d34; };
  auto shape = [&](int64_t from, int64_t to, auto segmentGain) {
    if (input.channels == 2)
      shapeSpan<true>(input, s[0], from, to, tail, note.data(), segmentGain);
    else
      shapeSpan<false>(input, s[0], from, to, tail, note.data(), segmentGain);
  };
  // A position takes the first segment whose end lies past it.
  for (int64_t k = first; k < last;) {
    const int64_t i = s[0] + k;
    const int64_t segmentEnd = i < s[1] ? s[1] : i < s[2] ? s[2] : i < s[3] ? s[3] : s[0] + last;
    const int64_t to = std::min(last, segmentEnd - s[0]);
    if (i < s[1])
      shape(k, to, rise);
    else if (i < s[2])
      shape(k, to, second);
    else if (i < s[3])
      shape(k, to, third);
    else
      shape(k, to, fall);
    k = to;
  }
  return note;
}

}  // namespace ruvo::joiner
