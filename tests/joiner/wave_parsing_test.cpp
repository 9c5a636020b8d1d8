#include <gtest/gtest.h>

#include <vector>

#include "joiner/input_wave.h"
#include "joiner/output_header.h"
#include "byte_files.h"
#include "support/wave_bytes.h"

using namespace ruvo::joiner;
using ruvo::joiner::testing::bytesOf;
using ruvo::testing::buildWave;
using ruvo::testing::WaveSpec;

TEST(InputWave, DamagedFilesAreRefusedOrCutToWhatTheyHold) {
  WaveSpec plain;
  plain.samples = {5, 6, 7, 8};
  const auto good = bytesOf(buildWave(plain));
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    InputProblem problem;
    int64_t frames;
  };
  auto cut = [&](size_t size) { return std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(size)); };
  auto patched = [&](size_t offset, std::vector<uint8_t> with) {
    auto bytes = good;
    std::copy(with.begin(), with.end(), bytes.begin() + static_cast<long>(offset));
    return bytes;
  };
  WaveSpec oversized = plain;
  oversized.declaredDataSize = 0xFFFFFFF0u;
  WaveSpec eightBit = plain;
  eightBit.bitsPerSample = 8;
  WaveSpec extraChunk = plain;
  extraChunk.chunkBeforeData = std::string("LIST\4\0\0\0abcd", 12);
  WaveSpec zeroAlign = plain;
  zeroAlign.blockAlign = 0;
  WaveSpec zeroChannels = plain;
  zeroChannels.channels = 0;
  zeroChannels.blockAlign = 2;
  WaveSpec narrowAlign = plain;
  narrowAlign.channels = 2;
  narrowAlign.blockAlign = 1;  // claims 8 frames in 8 bytes; only 2 stereo frames exist
  const std::vector<Case> cases = {
      {"empty", {}, InputProblem::NotRiff, 0},
      {"three bytes", cut(3), InputProblem::NotRiff, 0},
      {"not RIFF", patched(0, {'R', 'I', 'F', 'X'}), InputProblem::NotRiff, 0},
      {"RIFF only", cut(8), InputProblem::NotWave, 0},
      {"not WAVE", patched(8, {'A', 'V', 'I', ' '}), InputProblem::NotWave, 0},
      {"cut in the format", cut(30), InputProblem::NotSixteenBit, 0},
      {"8 bits", bytesOf(buildWave(eightBit)), InputProblem::NotSixteenBit, 0},
      {"extra chunk", bytesOf(buildWave(extraChunk)), InputProblem::NoDataChunk, 0},
      {"format size past the end", patched(16, {0xF0, 0xFF, 0xFF, 0xFF}), InputProblem::NoDataChunk, 0},
      {"data size cut off", cut(42), InputProblem::None, 0},
      {"data cut short", cut(49), InputProblem::None, 2},
      {"data size too large", bytesOf(buildWave(oversized)), InputProblem::None, 4},
      {"block align 0", bytesOf(buildWave(zeroAlign)), InputProblem::None, 0},
      {"no channels", bytesOf(buildWave(zeroChannels)), InputProblem::None, 0},
      {"block align below the frame", bytesOf(buildWave(narrowAlign)), InputProblem::None, 2},
  };
  for (const auto& c : cases) {
    const InputWave wave = parseInputWave(c.bytes);
    EXPECT_EQ(wave.problem, c.problem) << c.name;
    EXPECT_EQ(wave.frameCount, c.frames) << c.name;
    EXPECT_LE(wave.sampleBytes.size(), c.bytes.size()) << c.name;
  }
}

TEST(OutputHeader, NewHeaderIsTheCanonicalTemplate) {
  const HeaderBytes header = newHeader();
  const std::vector<uint8_t> expected = {'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't',
                                         ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58,
                                         0x01, 0, 2, 0, 16, 0, 'd', 'a', 't', 'a', 0, 0, 0, 0};
  EXPECT_EQ(std::vector<uint8_t>(header.begin(), header.end()), expected);
}

