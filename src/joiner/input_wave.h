#pragma once
// The input recording: a RIFF/WAVE file held whole in memory. The format
// chunk is taken to start at byte 12 and the "data" chunk must follow it
// directly. Only 16-bit samples are accepted.
//
// Damage is never read past: a data chunk declared longer than the file
// holds is cut to what the file holds, and a block align or channel count of
// 0 leaves the input without frames (it then sounds as silence).

#include <cstdint>
#include <span>

namespace ruvo::joiner {

enum class InputProblem {
  None,
  NotRiff,        // no "RIFF" at byte 0
  NotWave,        // no "WAVE" at byte 8
  NotSixteenBit,  // bits per sample (byte 34) is not 16, or missing
  NoDataChunk,    // no "data" right after the format chunk
};

struct InputWave {
  InputProblem problem = InputProblem::None;
  int32_t riffSize = 0;  // byte 4, as printed after "infile_size:"
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  std::span<const uint8_t> sampleBytes;  // the part of the data chunk present in the file
  int64_t frameCount = 0;                // frames that can be read from sampleBytes
};

// The returned wave refers into file, which must outlive it.
InputWave parseInputWave(std::span<const uint8_t> file);

}  // namespace ruvo::joiner
