#pragma once
// Finds a recording's four oto.ini timing values from its samples, for a
// recording of one sung syllable: optional consonant, then a sustained vowel.
//
//  - offset: where the sound starts (the first frame whose level reaches
//    `soundThresholdDb` below the loudest frame);
//  - pre-utterance: from the offset to the vowel onset, the first frame from
//    which `stableFrames` frames in a row are periodic (normalised
//    autocorrelation at least `periodicity`) and loud (within
//    `vowelLevelDb` of the loudest frame); a recording with no such run (a
//    fricative alone, a whisper) gets pre-utterance 0;
//  - consonant: the pre-utterance plus `consonantMarginMs`, so the part that
//    is never stretched includes the vowel's attack;
//  - blank: from the end of the steady part (the last frame within
//    `decayThresholdDb` of the loudest frame) to the end of the recording, so
//    the decay and the silence after it are never stretched. Never negative.
//
// The consonant end is kept inside the steady part: when the recording is so
// short that offset + consonant would pass its start of the blank, the
// consonant is cut back to meet it.

#include <span>

#include "core/error.h"

namespace ruvo {

struct OtoAnalysisOptions {
  double frameMs = 5;               // hop between level frames; levels are RMS over one hop
  double soundThresholdDb = -36;    // start of sound, relative to the loudest frame
  double decayThresholdDb = -20;    // end of the steady part, relative to the loudest frame
  double vowelLevelDb = -6;         // a vowel frame is at least this loud, relative to the loudest frame
  double periodicity = 0.8;         // normalised autocorrelation a vowel frame reaches
  int stableFrames = 4;             // frames in a row that make a vowel onset
  double minPitchHz = 70;           // autocorrelation lag range
  double maxPitchHz = 800;
  double consonantMarginMs = 30;    // consonant end past the vowel onset
  double silenceRms = 1.0 / 32768;  // a loudest frame below this counts as silence (unit full scale)
};

struct OtoTiming {
  double offsetMs = 0;
  double consonantMs = 0;
  double blankMs = 0;
  double preUtteranceMs = 0;
};

// `samples` are in -1..1 at `sampleRate` Hz. Fails with BadArgument for a
// sample rate below 1000 Hz and with BadFormat for a recording with no sound
// (empty, or never louder than `silenceRms`).
[[nodiscard]] Result<OtoTiming> analyseRecording(std::span<const float> samples, int sampleRate,
                                                 const OtoAnalysisOptions& options = {});

// Normalised autocorrelation of the window starting at `start`: the largest
// correlation between the window and itself shifted by a lag that lies in
// the pitch range. 0 when the window is silent or does not fit.
double periodicityAt(std::span<const float> samples, size_t start, int sampleRate, double minPitchHz,
                     double maxPitchHz);

}  // namespace ruvo
