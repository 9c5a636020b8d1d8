#include "joiner/input_wave.h"

#include <algorithm>

#include "core/byte_order.h"

namespace ruvo::joiner {

InputWave parseInputWave(std::span<const uint8_t> file) {
  InputWave wave;
  if (!hasTag(file, 0, "RIFF")) {
    wave.problem = InputProblem::NotRiff;
    return wave;
  }
  if (!hasTag(file, 8, "WAVE")) {
    wave.problem = InputProblem::NotWave;
    return wave;
  }
  wave.riffSize = *readI32(file, 4);
  wave.bitsPerSample = readU16(file, 34).value_or(0);
  if (wave.bitsPerSample != 16) {
    wave.problem = InputProblem::NotSixteenBit;
    return wave;
  }
  wave.channels = *readU16(file, 22);
  wave.sampleRate = *readU32(file, 24);
  wave.blockAlign = *readU16(file, 32);
  const uint64_t formatSize = *readU32(file, 16);
  if (!hasTag(file, 20 + formatSize, "data")) {
    wave.problem = InputProblem::NoDataChunk;
    return wave;
  }
  const uint64_t start = 28 + formatSize;
  const uint64_t declared = readU32(file, 24 + formatSize).value_or(0);
  const uint64_t present = start < file.size() ? file.size() - start : 0;
  wave.sampleBytes = file.subspan(std::min<uint64_t>(start, file.size()), std::min(declared, present));
  if (wave.blockAlign != 0 && wave.channels != 0) {
    const uint64_t samples = wave.sampleBytes.size() / 2;
    // A frame reads samples i*channels (and the next one for stereo), so the
    // frame count may not pass what the sample array holds, whatever the
    // block align claims.
    const uint64_t byAlign = wave.sampleBytes.size() / wave.blockAlign;
    const uint64_t bySamples = samples / wave.channels;
    wave.frameCount = static_cast<int64_t>(std::min(byAlign, bySamples));
  }
  return wave;
}

}  // namespace ruvo::joiner
