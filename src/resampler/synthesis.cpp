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

// The running sums of the power of counted samples and of their number,
// taken just before each of the given sample indices (sorted, no repeats) in
// one pass: the sums a level window needs are the differences of two of
// them, and only the window edges are kept rather than a sum per sample.
struct PowerSum {
  double power = 0;
  long count = 0;
};

template <typename CountedValue>
std::vector<PowerSum> sumsBefore(const std::vector<long>& indices, CountedValue countedValue) {
  std::vector<PowerSum> sums(indices.size());
  PowerSum running;
  long n = 0;
  for (size_t i = 0; i < indices.size(); ++i) {
    for (; n < indices[i]; ++n) {
      double value = 0;
      if (countedValue(n, value)) {
        running.power += value * value;
        ++running.count;
      }
    }
    sums[i] = running;
  }
  return sums;
}

// Window edges clamped to 0..last, and the sums before each.
class WindowSums {
 public:
  explicit WindowSums(long last) : m_last(last) {}
  long add(long edge) {
    const long clamped = std::clamp(edge, 0L, m_last);
    m_edges.push_back(clamped);
    return clamped;
  }
  template <typename CountedValue>
  void sum(CountedValue countedValue) {
    std::sort(m_edges.begin(), m_edges.end());
    m_edges.erase(std::unique(m_edges.begin(), m_edges.end()), m_edges.end());
    m_sums = sumsBefore(m_edges, countedValue);
  }
  // Mean power of the counted samples in from..to (clamped edges as add
  // returned them), or -1 when fewer than kLevelWindow of them count.
  double meanOver(long from, long to) const {
    const PowerSum& a = at(from);
    const PowerSum& b = at(to);
    const auto n = static_cast<double>(b.count - a.count);
    return n >= kLevelWindow ? (b.power - a.power) / n : -1.0;
  }

 private:
  const PowerSum& at(long edge) const {
    return m_sums[static_cast<size_t>(std::lower_bound(m_edges.begin(), m_edges.end(), edge) - m_edges.begin())];
  }
  long m_last;
  std::vector<long> m_edges;
  std::vector<PowerSum> m_sums;
};

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
  // A recording sample counts as voiced when its frame has a pitch.
  auto sourceVoiced = [&](long n) {
    const auto frame = static_cast<size_t>(n / kFrameSamples);
    return n >= 0 && n < sourceSize && frame < input.f0.size() && input.f0[frame] > 0;
  };

  const long points = size / kLevelHop + 2;
  struct Window {
    long outFrom, outTo, sourceFrom, sourceTo;
  };
  std::vector<Window> windows(static_cast<size_t>(points));
  WindowSums outSums(size);
  WindowSums sourceSums(sourceSize);
  for (long k = 0; k < points; ++k) {
    const double t = static_cast<double>(k * kLevelHop);
    const double from = std::min(input.map->sourceAt(t - kLevelWindow), input.map->sourceAt(t) - kLevelWindow);
    const double to = std::max(input.map->sourceAt(t + kLevelWindow), input.map->sourceAt(t) + kLevelWindow);
    Window& window = windows[static_cast<size_t>(k)];
    window.outFrom = outSums.add(static_cast<long>(t) - kLevelWindow);
    window.outTo = outSums.add(static_cast<long>(t) + kLevelWindow);
    window.sourceFrom = sourceSums.add(static_cast<long>(from));
    window.sourceTo = sourceSums.add(static_cast<long>(to));
  }
  outSums.sum([&](long n, double& value) {
    value = voiced[static_cast<size_t>(n)];
    return sourceVoiced(static_cast<long>(input.map->sourceAt(static_cast<double>(n))));
  });
  sourceSums.sum([&](long n, double& value) {
    value = reference[static_cast<size_t>(n)];
    return sourceVoiced(n);
  });

  std::vector<double> gains(static_cast<size_t>(points), -1.0);
  for (size_t k = 0; k < windows.size(); ++k) {
    const double out = outSums.meanOver(windows[k].outFrom, windows[k].outTo);
    const double source = sourceSums.meanOver(windows[k].sourceFrom, windows[k].sourceTo);
    if (out > 0 && source > 0) gains[k] = std::clamp(std::sqrt(source / out), kMinLevelGain, kMaxLevelGain);
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
