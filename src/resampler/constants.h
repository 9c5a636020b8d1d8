#pragma once
// Every fixed number of the resampler, with its unit and the reason for it.

#include <cstdint>

namespace ruvo::resampler {

// Rate of all processing and of the output file (samples per second): the
// joiner cuts the output by time at this rate, and frequency tables count
// their frames in samples of it.
constexpr int kSampleRate = 44100;

// Samples between two frames of the pitch track (and of a frequency table).
constexpr int kFrameSamples = 256;

// Pitch search range (Hz): below the lowest sung bass notes, above the
// highest soprano notes a voice bank records.
constexpr double kMinF0 = 60.0;
constexpr double kMaxF0 = 1100.0;

// Samples the pitch estimator integrates over: about 23 ms, more than one
// period of the lowest pitch searched.
constexpr int kPitchWindow = 1024;

// How much shallower than the deepest dip of the normalised difference
// function a shorter lag's dips may be for it to count as the period (the
// deepest dip then lies at a multiple of it), and the value above which a
// frame counts as unvoiced at all.
constexpr double kSubmultipleTolerance = 0.02;
constexpr double kVoicingThreshold = 0.35;

// 1 - normalised correlation at the period over a short stretch around a
// frame above which the short stretch is not trusted to refine the period:
// about 15 % of its power is not periodic.
constexpr double kLocalPeriodicityThreshold = 0.15;

// A frame quieter than this (dB below the loudest frame of the recording)
// is silence and has no pitch.
constexpr double kSilenceDb = 45.0;

// Frames either side whose median guards a frame against octave errors.
constexpr int kOctaveGuardRadius = 7;

// Identifier written into the tables this resampler makes (8 bytes).
constexpr char kTableIdentifier[] = "RUVOFRQ1";

// Pitch mark refinement: a predicted mark may move by at most this share of
// a period to line up with the waveform of the previous period.
constexpr double kMarkSearchShare = 0.06;

// Pitch marks are placed this far (samples) beyond the used part of a
// recording, so that grains near its ends still find a mark: more than two
// periods of the lowest pitch.
constexpr double kMarkMargin = 2048;

// Half-length of the grains that carry unvoiced sound (samples, about 3 ms):
// short enough to keep bursts sharp, long enough to keep noise smooth.
constexpr int kUnvoicedHalf = 128;

// Level matching of voiced output to its recording: a gain every 256
// samples from the power over 1024 samples either side (about 23 ms, more
// than two periods of the lowest pitch searched), kept between -12 and
// +24 dB so that a grain of near silence is never blown up.
constexpr long kLevelHop = 256;
constexpr long kLevelWindow = 1024;
constexpr double kMinLevelGain = 0.25;
constexpr double kMaxLevelGain = 16.0;

// A note sung above its recording loses what lies below this share of its
// lowest target pitch (a fifth below it, room for vibrato) once that is
// more than a whole tone above the recording's own pitch.
constexpr double kLowCutShare = 0.67;
constexpr double kLowCutMargin = 1.12;

// Seed of the generator that scatters unvoiced grains when a part is
// stretched; fixed so that every render is bit-reproducible.
constexpr uint32_t kNoiseSeed = 0x5EED1234u;

// DC blocker pole on the input: cut-off of about 16 Hz at 44100 Hz, below
// any sung pitch.
constexpr double kDcPole = 0.9977;

// Every note leaves at half its matched level (-6 dB) with its peaks held
// to 0.49: the joiner adds a note to the tail of the one before it, and two
// such notes together stay below 0.98 of full scale, so no song clips at a
// join. The same gain for every note keeps the song's loudness steady.
// The limiter's hold half-width is in samples (about 3 ms).
constexpr double kNoteHeadroom = 0.5;
constexpr double kLimitPeak = 0.49;
constexpr int kLimiterHold = 128;

// Formant shift of the gender flag at its extreme (+-100): 4 semitones.
constexpr double kGenderSemitonesAtFull = 4.0;

// Longest recording accepted (seconds), so that a damaged header cannot
// make us allocate without bound.
constexpr double kMaxRecordingSeconds = 600.0;

// Longest output accepted (ms): ten minutes.
constexpr double kMaxOutputMs = 600000.0;

}  // namespace ruvo::resampler
