#include "resampler/synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "resampler/interpolation.h"
#include "resampler/voiced_level.h"

namespace ruvo::resampler {

namespace {

// Adds one Hann-windowed grain centred at outputCentre; output sample n
// reads the source at sourceCentre + (n - outputCentre) x step.
void addGrain(std::vector<float>& out, std::span<const float> source, double outputCentre, double half,
              double sourceCentre, double step, double gain) {
  const long first = std::max(0L, static_cast<long>(std::ceil(outputCentre - half)));
  const long last = std::min(static_cast<long>(out.size()) - 1, static_cast<long>(std::floor(outputCentre + half)));
  if (first > last) return;
  // The window's cosine is advanced by rotation, one sample at a time.
  const double angle = std::numbers::pi / half;
  const double rotateCos = std::cos(angle);
  const double rotateSin = std::sin(angle);
  double offset = static_cast<double>(first) - outputCentre;
  double cosine = std::cos(angle * offset);
  double sine = std::sin(angle * offset);
  // Read at the recorded pace, every sample of the grain lies the same
  // fraction past a source sample, so the cubic's weights are worked out
  // once (inside the source; its edges read as 0 below).
  if (step == 1.0) {
    const double start = sourceCentre + offset;
    const double base = std::floor(start);
    const long before = static_cast<long>(base) - 1;
    if (before >= 0 && before + (last - first) + 3 < static_cast<long>(source.size())) {
      const auto [w0, w1, w2, w3] = cubicWeights(start - base);
      const float* p = source.data() + before;
      for (long n = first; n <= last; ++n, ++p) {
        const double window = 0.5 + 0.5 * cosine;
        const auto value = static_cast<float>(w0 * p[0] + w1 * p[1] + w2 * p[2] + w3 * p[3]);
        out[static_cast<size_t>(n)] += static_cast<float>(gain * window * value);
        const double nextCosine = cosine * rotateCos - sine * rotateSin;
        sine = sine * rotateCos + cosine * rotateSin;
        cosine = nextCosine;
      }
      return;
    }
  }
  for (long n = first; n <= last; ++n, offset += 1) {
    const double window = 0.5 + 0.5 * cosine;
    out[static_cast<size_t>(n)] += static_cast<float>(gain * window * cubicAt(source, sourceCentre + offset * step));
    const double nextCosine = cosine * rotateCos - sine * rotateSin;
    sine = sine * rotateCos + cosine * rotateSin;
    cosine = nextCosine;
  }
}

const PitchMark* nearestMark(std::span<const PitchMark> marks, double position) {
  if (marks.empty()) return nullptr;
  auto after = std::lower_bound(marks.begin(), marks.end(), position,
                                [](const PitchMark& mark, double value) { return mark.position < value; });
  const PitchMark* best = after == marks.end() ? &marks.back() : &*after;
  if (after != marks.begin()) {
    const PitchMark* before = &*(after - 1);
    if (std::abs(before->position - position) < std::abs(best->position - position)) best = before;
  }
  return std::abs(best->position - position) <= 2 * best->period ? best : nullptr;
}

}  // namespace

double targetF0(double noteHz, double cents, double sourceF0, double referenceF0, double modulation) {
  double f0 = noteHz * std::pow(2.0, cents / 1200.0);
  if (sourceF0 > 0 && referenceF0 > 0) f0 *= std::pow(sourceF0 / referenceF0, modulation / 100.0);
  // Absurd curves or modulations (a huge curve value times a vanishing
  // modulation factor) give no number at all: the note keeps its own pitch.
  if (std::isnan(f0)) f0 = noteHz;
  return std::clamp(f0, kMinF0 / 4, kSampleRate / 8.0);
}

std::vector<float> synthesise(const SynthesisInput& input, const SynthesisOptions& options) {
  std::vector<float> out(input.outputSamples, 0.0f);
  if (input.samples.empty() || input.outputSamples == 0) return out;
  std::vector<float> voiced(input.outputSamples, 0.0f);
  std::mt19937 generator(options.seed);
  const double unvoicedHalf = options.unvoicedHalf;
  const double end = static_cast<double>(input.outputSamples);
  double t = 0;
  // Grains reach one half-length past their centre; keep going until the
  // last output sample is covered by two of them.
  double reach = unvoicedHalf;
  while (t < end + reach) {
    const double source = input.map->sourceAt(t);
    const double sourceF0 = f0At(input.f0, source);
    const PitchMark* mark = sourceF0 > 0 ? nearestMark(input.marks, source) : nullptr;
    if (mark) {
      const double position = input.curve->tempoForm ? t : source;
      const double f0 = targetF0(input.noteHz, input.curve->centsAt(position), sourceF0, input.referenceF0,
                                 input.modulation);
      const double targetPeriod = kSampleRate / f0;
      const double step = input.formantScale * (input.keepFormants ? 1.0 : mark->period / targetPeriod);
      const double half = mark->period / step;
      const double gain = std::sqrt(targetPeriod * step / mark->period);
      addGrain(voiced, input.samples, t, half, mark->position, step, gain);
      reach = half;
      t += targetPeriod;
    } else {
      const double rate = input.map->rateAt(t);
      // Grains read at the recorded pace join seamlessly; at any other pace
      // their spacing would imprint a buzz, so their sources are scattered.
      double scatter = 0;
      if (rate != 1) {
        const double unit = static_cast<double>(generator()) / 4294967296.0;
        scatter = (2 * unit - 1) * unvoicedHalf * std::min(1.0, std::abs(1 - rate));
      }
      addGrain(out, input.samples, t, unvoicedHalf, source + scatter, 1.0, 1.0);
      reach = unvoicedHalf;
      t += unvoicedHalf;
    }
  }
  matchVoicedLevel(voiced, input.sourcePower, input.f0, *input.map, input.samples.size());
  for (size_t n = 0; n < out.size(); ++n) out[n] += voiced[n];
  return out;
}

}  // namespace ruvo::resampler
