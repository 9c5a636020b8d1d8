#pragma once
// The texts splicer prints on standard output. Render scripts and the
// editor's running indicator show them as they are, so they never change.
// Each is printed followed by one more line break (see SpliceOutcome).

#include <string_view>

namespace ruvo::joiner::text {

inline constexpr std::string_view kUsage = "splicer2 <outfile> <infile> offset length p1 p2 p3 v1 v2 v3 v4 ovr\n";
inline constexpr std::string_view kBadParameters = "パラメーターが不正です";
inline constexpr std::string_view kNoMemory = "malloc error at binload";
inline constexpr std::string_view kReadError = "read error at binload\n";
inline constexpr std::string_view kNotRiff = "not a wave file\n";
inline constexpr std::string_view kNotWave = "not WAVE format\n";
inline constexpr std::string_view kOnly16Bit = "16ビットフォーマットのみに対応しています。";
// Followed by the input's RIFF size in decimal and "\n".
inline constexpr std::string_view kInfileSizePrefix = "infile_size:";

}  // namespace ruvo::joiner::text
