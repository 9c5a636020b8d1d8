#pragma once
// Pitch-synchronous overlap-add synthesis. Voiced sound is cut into grains
// of two source periods (Hann windowed around each pitch mark) that are laid
// out one target period apart, so the pitch changes while the spectral
// envelope (the formants) stays; with formants not kept, each grain is also
// squeezed by the pitch ratio. Unvoiced sound is carried in short grains at
// a fixed spacing with no pitch imposed; where it is stretched, the grains
// are taken from slightly scattered places so that no pattern repeats.

#include <cstdint>
#include <span>
#include <vector>

#include "resampler/constants.h"
#include "resampler/pitch_curve.h"
#include "resampler/pitch_marks.h"
#include "resampler/time_map.h"

namespace ruvo::resampler {

struct SynthesisOptions {
  int unvoicedHalf = kUnvoicedHalf;  // samples: half-length and spacing of unvoiced grains
  uint32_t seed = kNoiseSeed;        // scatter of stretched unvoiced grains
};

struct SynthesisInput {
  std::span<const float> samples;   // recording at 44100 Hz
  std::span<const double> sourcePower;  // from voicedSourcePower, before samples were changed
  std::span<const double> f0;       // Hz per 256-sample frame, 0 = no pitch
  std::span<const PitchMark> marks; // from placePitchMarks
  const TimeMap* map = nullptr;
  size_t outputSamples = 0;
  double noteHz = 440;              // target pitch with no bend
  const PitchCurve* curve = nullptr;
  double modulation = 100;          // percent of the recording's pitch movement kept
  double referenceF0 = 0;           // the recording's own steady pitch (Hz)
  bool keepFormants = true;
  double formantScale = 1;          // > 1 raises the formants, < 1 lowers them
};

// Target pitch (Hz) for the note at a given bend and recording pitch.
double targetF0(double noteHz, double cents, double sourceF0, double referenceF0, double modulation);

// Exactly outputSamples samples. Voiced output is brought to the power of
// the voiced recording it comes from (sourcePower), so its loudness does not
// depend on the pitch shift or the vowel.
std::vector<float> synthesise(const SynthesisInput& input, const SynthesisOptions& options = {});

}  // namespace ruvo::resampler
