#pragma once
// The pitch of a recording, frame by frame: taken from its frequency table
// when one exists (users correct tables by hand, so they win over analysis),
// otherwise analysed and written to a new table.

#include <span>
#include <string>
#include <vector>

#include "core/error.h"
#include "voicebank/frq_table.h"

namespace ruvo::resampler {

struct RecordingPitch {
  std::vector<double> f0;      // Hz per 256-sample frame, 0 = no pitch
  bool fromTable = false;      // read from an existing table
  std::string tableNote;       // why a table was not used or not written; empty when all went well
};

// Makes a frequency table from a pitch track: 55.0 for frames without pitch,
// the mean of the voiced frames as the average (55.0 when none is voiced),
// the frame's RMS as each frame's second value, at most 4095 frames.
FrqTable tableFromTrack(std::span<const double> f0, std::span<const double> rms);

// Frame frequencies of a table for a recording of frameCount frames: values
// that are 55.0, not finite or outside the analysis range count as no pitch;
// frames past the table's end take its last frame.
std::vector<double> framesFromTable(const FrqTable& table, size_t frameCount);

// Reads the table of recordingPath unless regenerate is set or it is
// unreadable; otherwise analyses samples (44100 Hz) and writes the table.
// A table that cannot be written is reported in tableNote, not as a failure.
RecordingPitch recordingPitch(const std::string& recordingPath, std::span<const float> samples, bool regenerate);

}  // namespace ruvo::resampler
