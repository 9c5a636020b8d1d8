#pragma once
// The file operations of one splicer call, on C stdio for a cheap start.
// None of them throws on a missing or unreadable file; each says what
// happened so the caller can apply its fallback.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ruvo::joiner {

enum class LoadStatus {
  Loaded,
  NotOpened,  // missing, or no permission
  ReadError,  // opened, but reading failed or the file is empty
  NoMemory,
};

struct LoadedFile {
  LoadStatus status = LoadStatus::NotOpened;
  std::vector<uint8_t> bytes;
};

// Reads at most maxBytes from the start of the file.
LoadedFile loadFile(const std::string& path, uint64_t maxBytes = UINT64_MAX);

// Reads the last `samples` 16-bit samples of a data file opened for update,
// provided it holds at least that many bytes. nullopt otherwise.
struct DataTail {
  std::vector<int16_t> samples;
  uint64_t fileSize = 0;
};
std::optional<DataTail> readDataTail(const std::string& path, uint64_t samples);

// Shortens a file to size bytes; false on failure.
bool truncateFile(const std::string& path, uint64_t size);

// Creates or truncates the file and writes bytes; false on failure.
bool writeFile(const std::string& path, std::span<const uint8_t> bytes);

// Appends samples as little-endian 16-bit values, creating the file when
// missing; false on failure.
bool appendSamples(const std::string& path, std::span<const int16_t> samples);

}  // namespace ruvo::joiner
