#include "resampler/render_note.h"

#include <algorithm>
#include <cmath>

#include "core/file_lookup.h"
#include "core/numbers.h"
#include "resampler/breathiness.h"
#include "resampler/level.h"
#include "resampler/low_cut.h"
#include "resampler/pitch_marks.h"
#include "resampler/rate_converter.h"
#include "resampler/recording_pitch.h"
#include "resampler/synthesis.h"
#include "resampler/time_map.h"
#include "resampler/voiced_level.h"
#include "resampler/wav_reader.h"
#include "resampler/wav_writer.h"

namespace ruvo::resampler {

namespace {

// Median of the voiced frames of the used part (of the whole recording when
// the used part has none): the steady pitch that modulation is measured from.
double referenceF0(std::span<const double> f0, const TimeMap& map) {
  std::vector<double> voiced;
  const auto first = static_cast<size_t>(map.usedStart() / kFrameSamples);
  const auto last = static_cast<size_t>(map.usedEnd() / kFrameSamples);
  for (size_t i = first; i <= last && i < f0.size(); ++i)
    if (f0[i] > 0) voiced.push_back(f0[i]);
  if (voiced.empty())
    for (double value : f0)
      if (value > 0) voiced.push_back(value);
  if (voiced.empty()) return 0;
  auto middle = voiced.begin() + static_cast<long>(voiced.size() / 2);
  std::nth_element(voiced.begin(), middle, voiced.end());
  return *middle;
}

// The note's pitch at the deepest point of its curve.
double lowestTargetF0(double noteHz, const PitchCurve& curve) {
  double lowest = 0;
  for (double cents : curve.cents) lowest = std::min(lowest, cents);
  return noteHz * std::pow(2.0, lowest / 1200.0);
}

double noteHzOf(int note) { return 440.0 * std::pow(2.0, (note - 45) / 12.0); }

}  // namespace

Result<RenderReport> renderNote(const Request& request) {
  // Projects name recordings "<name>.wav"; a bank made on Windows may spell
  // the file "<NAME>.WAV", which is the same file there.
  const std::string recording = existingPathIgnoringCase(request.input);
  auto audio = readMonoWav(recording);
  if (!audio) return tl::unexpected(audio.error());
  std::vector<float> source = std::move(audio->samples);
  if (audio->sampleRate != kSampleRate) {
    auto converted = convertRate(source, audio->sampleRate, kSampleRate);
    if (!converted) return tl::unexpected(converted.error());
    source = std::move(*converted);
  }
  removeDc(source);

  RenderReport report;
  const RecordingPitch pitch = recordingPitch(recording, source, request.flags.regenerateTable);
  if (!pitch.tableNote.empty()) report.notice = "frequency table not written: " + pitch.tableNote;
  if (!request.note) {
    // The table command passes a bare number here; anything else was meant
    // as a note and deserves a word.
    const auto number = parseLeadingNumber(request.noteText);
    if (!number || number->length != request.noteText.size())
      report.notice = "'" + request.noteText + "' is not a note name: frequency table only, no output written";
    return report;
  }

  scaleBreathiness(source, pitch.f0, request.flags.breathiness);
  const auto outputSamples = static_cast<size_t>(roundHalfEven(request.lengthMs * kSampleRate / 1000.0));
  const TimeMap map({source.size(), outputSamples, request.offsetMs, request.consonantMs, request.blankMs,
                     request.velocity});
  // Marks are needed only where grains are taken: the used part, plus the
  // reach of a grain either side.
  const std::vector<PitchMark> marks =
      placePitchMarks(source, pitch.f0, map.usedStart() - kMarkMargin, map.usedEnd() + kMarkMargin);

  SynthesisInput input;
  input.samples = source;
  input.f0 = pitch.f0;
  input.marks = marks;
  input.map = &map;
  input.outputSamples = outputSamples;
  input.noteHz = noteHzOf(*request.note);
  input.curve = &request.curve;
  input.modulation = request.modulation;
  input.referenceF0 = referenceF0(pitch.f0, map);
  // The level is matched to the whole recording, measured before the cut.
  const std::vector<double> sourcePower = voicedSourcePower(source, pitch.f0, map, outputSamples);
  input.sourcePower = sourcePower;
  // Moved up, the grains come from the recording without what lies below
  // the new pitch.
  const double cutoff = kLowCutShare * lowestTargetF0(input.noteHz, request.curve);
  if (input.keepFormants && input.referenceF0 > 0 && cutoff > input.referenceF0 * kLowCutMargin)
    cutBelow(source, cutoff);
  input.keepFormants = request.flags.keepFormants;
  input.formantScale = std::pow(2.0, -request.flags.gender / 100.0 * kGenderSemitonesAtFull / 12.0);
  std::vector<float> out = synthesise(input);
  applyVolumeAndLimit(out, std::max(0.0, request.volume));

  if (auto written = writePcm16Wav(request.output, out, kSampleRate); !written) return tl::unexpected(written.error());
  report.outputWritten = true;
  return report;
}

}  // namespace ruvo::resampler
