#pragma once
// The 44-byte header file of the growing output: a canonical RIFF/WAVE
// header for 44100 Hz mono 16-bit PCM. Only its two size fields (RIFF size
// at byte 4, data size at byte 40) ever change; the other bytes of an
// existing header are written back as they were read.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace ruvo::joiner {

inline constexpr size_t kHeaderSize = 44;
using HeaderBytes = std::array<uint8_t, kHeaderSize>;

// The template with RIFF size 36 and data size 0. It also stands in for an
// input that cannot be read: an empty recording at 44100 Hz.
HeaderBytes newHeader();

enum class HeaderProblem {
  None,
  NotRiff,    // no "RIFF" at byte 0
  NotWave,    // no "WAVE" at byte 8
  Truncated,  // RIFF/WAVE, but fewer than 44 bytes
};

struct OutputHeader {
  HeaderProblem problem = HeaderProblem::None;
  HeaderBytes bytes{};
  int32_t riffSize = 0;
  int32_t dataSize = 0;
};

// file is the start of an existing header file (at least its first 44
// bytes when it has them).
OutputHeader parseOutputHeader(std::span<const uint8_t> file);

void storeSizes(HeaderBytes& header, int32_t riffSize, int32_t dataSize);

}  // namespace ruvo::joiner
