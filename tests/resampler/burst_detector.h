#pragma once
// Finds clicks: short bursts of high-frequency energy well above their
// surroundings. A voice recorded through speech synthesis (or any voice
// whose sound stops below the cut-off) has next to nothing above 12 kHz, so
// what rises there in a few milliseconds is a step or a corner in the
// waveform: a click.

#include <span>
#include <vector>

namespace ruvo::resampler::test {

struct BurstOptions {
  double cutoffHz = 12000;  // fourth-order high-pass before measuring
  int window = 128;         // samples per level measurement (half-overlapping)
  double surroundMs = 50;   // the median level this far either side is the surrounding
  double riseDb = 20;       // how far a burst stands above its surrounding
  double floorDb = -100;    // dBFS: quieter windows are never bursts
};

struct Burst {
  double seconds = 0;  // centre of its loudest window
  double levelDb = 0;  // dBFS of the high-passed signal in that window
  double riseDb = 0;   // above the surrounding median
};

std::vector<Burst> findBursts(std::span<const float> samples, int rate, const BurstOptions& options = {});

}  // namespace ruvo::resampler::test
