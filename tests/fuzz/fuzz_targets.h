#pragma once
// The fuzz targets, one per family of file parsers, each driving the entry
// a user's file reaches. A target takes any bytes and returns "" when every
// check held, else a description of what failed; crashes and undefined
// behaviour are left to the sanitizers. Each target's seed corpus is
// tests/data/fuzz/<name>/, replayed by ctest in every build; with clang and
// RUVO_FUZZ=ON each target is also a libFuzzer program <name>_fuzzer.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ruvo::fuzz {

using Bytes = std::span<const uint8_t>;
using FuzzEntry = std::string (*)(Bytes bytes);

// Project batch load, a save in every form, and each saved file loaded again.
std::string projectFile(Bytes bytes);
// .wsq, .mid and .vsq import; the first byte picks the form, the second the track.
std::string interchangeFile(Bytes bytes);
// oto.ini and prefix.map of one voice folder, and lookups through both.
std::string voiceBankTables(Bytes bytes);
// A frequency table read, edited, written and read again.
std::string frqTable(Bytes bytes);
// ruvo-batch's parser and percent expansion (never the program runner).
std::string batchScript(Bytes bytes);
// The resampler's command line, run on a small recording.
std::string resamplerCommandLine(Bytes bytes);
// The resampler's WAV reader (integer and float samples, any channels).
std::string resamplerWav(Bytes bytes);
// The joiner's input WAV and header parsers and its note renderer.
std::string joinerWave(Bytes bytes);
// The settings file read, written and read again.
std::string settingsFile(Bytes bytes);
// The voice bank's WAV sample reader.
std::string waveSamples(Bytes bytes);
// oto.ini read and written back as the settings dialog does.
std::string otoFile(Bytes bytes);

struct FuzzTarget {
  std::string_view name;
  FuzzEntry entry;
};

// Every target, by the name of its corpus folder and its libFuzzer program.
const std::vector<FuzzTarget>& fuzzTargets();

}  // namespace ruvo::fuzz
