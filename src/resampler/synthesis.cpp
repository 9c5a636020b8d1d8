#include "resampler/synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "resampler/interpolation.h"

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

// Voiced grains laid out at a new spacing keep the spectral envelope, but
// energy that lay below the new fundamental (a close vowel's first formant
// on the fundamental, shifted up) finds no harmonic to land on, and sound
// between the harmonics cancels or adds with the overlap. Each stretch of
// voiced output is therefore brought to the power of the voiced recording
// it comes from: gains measured every kLevelHop samples over kLevelWindow
// samples either side, held where there is nothing voiced to measure, and
// joined linearly.
void matchVoicedLevel(std::vector<float>& voiced, const SynthesisInput& input) {
  const long size = static_cast<long>(voiced.size());
  const std::span<const float> reference = input.levelSamples.empty() ? input.samples : input.levelSamples;
  const long sourceSize = static_cast<long>(reference.size());
  auto sourceVoiced = [&](long n) { return n >= 0 && n < sourceSize && f0At(input.f0, static_cast<double>(n)) > 0; };
  std::vector<double> outPower(static_cast<size_t>(size) + 1, 0.0);
  std::vector<double> outCount(static_cast<size_t>(size) + 1, 0.0);
  for (long n = 0; n < size; ++n) {
    const bool counted = sourceVoiced(static_cast<long>(input.map->sourceAt(static_cast<double>(n))));
    const double value = voiced[static_cast<size_t>(n)];
    outPower[static_cast<size_t>(n) + 1] = outPower[static_cast<size_t>(n)] + (counted ? value * value : 0.0);
    outCount[static_cast<size_t>(n) + 1] = outCount[static_cast<size_t>(n)] + (counted ? 1.0 : 0.0);
  }
  std::vector<double> sourcePower(static_cast<size_t>(sourceSize) + 1, 0.0);
  std::vector<double> sourceCount(static_cast<size_t>(sourceSize) + 1, 0.0);
  for (long n = 0; n < sourceSize; ++n) {
    const bool counted = sourceVoiced(n);
    const double value = reference[static_cast<size_t>(n)];
    sourcePower[static_cast<size_t>(n) + 1] = sourcePower[static_cast<size_t>(n)] + (counted ? value * value : 0.0);
    sourceCount[static_cast<size_t>(n) + 1] = sourceCount[static_cast<size_t>(n)] + (counted ? 1.0 : 0.0);
  }
  const auto meanOver = [](const std::vector<double>& sum, const std::vector<double>& count, long from, long to) {
    const long last = static_cast<long>(sum.size()) - 1;
    const auto a = static_cast<size_t>(std::clamp(from, 0L, last));
    const auto b = static_cast<size_t>(std::clamp(to, 0L, last));
    const double n = count[b] - count[a];
    return n >= kLevelWindow ? (sum[b] - sum[a]) / n : -1.0;
  };

  const long points = size / kLevelHop + 2;
  std::vector<double> gains(static_cast<size_t>(points), -1.0);
  for (long k = 0; k < points; ++k) {
    const double t = static_cast<double>(k * kLevelHop);
    const double out = meanOver(outPower, outCount, static_cast<long>(t) - kLevelWindow, static_cast<long>(t) + kLevelWindow);
    const double from = std::min(input.map->sourceAt(t - kLevelWindow), input.map->sourceAt(t) - kLevelWindow);
    const double to = std::max(input.map->sourceAt(t + kLevelWindow), input.map->sourceAt(t) + kLevelWindow);
    const double source = meanOver(sourcePower, sourceCount, static_cast<long>(from), static_cast<long>(to));
    if (out > 0 && source > 0) gains[static_cast<size_t>(k)] = std::clamp(std::sqrt(source / out), kMinLevelGain, kMaxLevelGain);
  }
  // Hold the nearest measured gain across stretches with none.
  double held = -1;
  for (double& gain : gains) held = gain = gain > 0 ? gain : held;
  held = 1;
  for (auto gain = gains.rbegin(); gain != gains.rend(); ++gain) held = *gain = *gain > 0 ? *gain : held;
  for (long n = 0; n < size; ++n) {
    const long k = n / kLevelHop;
    const double share = static_cast<double>(n - k * kLevelHop) / kLevelHop;
    const double gain = gains[static_cast<size_t>(k)] * (1 - share) + gains[static_cast<size_t>(k) + 1] * share;
    voiced[static_cast<size_t>(n)] = static_cast<float>(voiced[static_cast<size_t>(n)] * gain);
  }
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
  matchVoicedLevel(voiced, input);
  for (size_t n = 0; n < out.size(); ++n) out[n] += voiced[n];
  return out;
}

}  // namespace ruvo::resampler
