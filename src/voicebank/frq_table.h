#pragma once
// Frequency tables (`_wav.frq`): the pitch of one recording, frame by frame,
// one frame every 256 samples of 44100 Hz audio. Binary, little-endian:
//   0  8 bytes   identifier of the program that made the table
//   8  int32     written by that program (ours: samples per frame, 256)
//  12  float64   average frequency of the recording in Hz (its key)
//  20  16 bytes  written by that program, carried through
//  36  int32     n, the number of frames; a table is valid for 1 <= n <= 4095
//  40  n pairs of float64: frequency in Hz, then a second value carried through
// A frequency of exactly 55.0 marks a frame without pitch.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"

namespace ruvo {

constexpr double kNoPitch = 55.0;
constexpr int32_t kFrqMaxFrames = 4095;
constexpr int kFrqSamplesPerFrame = 256;
constexpr size_t kFrqHeaderBytes = 40;

struct FrqHeader {
  std::string identifier = std::string(8, ' ');  // exactly 8 raw bytes
  int32_t field8 = 0;
  double average = 0;
  std::array<uint8_t, 16> reserved{};
  int32_t frameCount = 0;
};

struct FrqTable {
  FrqHeader header;
  // 2 x frameCount values: index 2i is frame i's frequency, 2i + 1 its
  // second value.
  std::vector<double> values;
};

// The table path of a recording: the path with its final ".wav" (any case)
// replaced by "_wav.frq"; nothing when the path does not end in ".wav".
std::optional<std::string> frqPathOf(std::string_view recordingPath);
// The backup path of a table path: its final ".frq" replaced by ".bak".
std::string frqBackupPathOf(std::string_view tablePath);

// Reads only the 40-byte header; fails when the table is missing, empty or
// shorter than a header. The frame count is not checked.
[[nodiscard]] Result<FrqHeader> readFrqHeader(const std::string& recordingPath);

// Reads the table of a recording. Fails for an empty path, a missing, empty
// or short file and a frame count outside 1..4095. A file that ends early
// yields 0 for the missing values.
[[nodiscard]] Result<FrqTable> readFrq(const std::string& recordingPath);

// Writes the header followed by all values as held (the header's frame count
// is not changed). The new table is written beside the old one first; only
// when that succeeded is the old table copied to the backup and the new one
// renamed over it, so the table's name always holds a whole table and a
// failed write leaves the old table in place.
[[nodiscard]] Result<void> writeFrq(const FrqTable& table, const std::string& recordingPath);

}  // namespace ruvo
