#pragma once
// The file operations of one splicer call, on C stdio for a cheap start.
// None of them throws on a missing or unreadable file; each says what
// happened so the caller can apply its fallback.

#include <cstdint>
#include <cstdio>
#include <memory>
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

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// The output's data file, held open from reading its last samples (the
// tail the new note is mixed over) until the note is written over them.
// Writing in place spares a truncation, which costs milliseconds on
// journalling file systems.
class DataFileTail {
 public:
  // Opens the file for update and reads its last `samples` samples;
  // nullopt when it cannot be opened so or holds fewer bytes.
  static std::optional<DataFileTail> read(const std::string& path, uint64_t samples);

  const std::vector<int16_t>& samples() const { return m_samples; }
  // Writes the note from the tail's first byte on; false on failure.
  bool writeOver(std::span<const int16_t> note);

 private:
  FilePtr m_file;
  std::vector<int16_t> m_samples;
  long m_start = 0;
};

// Writes the 44 header bytes at the start of the file, creating it when
// missing and cutting anything after them; false on failure. An existing
// file is overwritten in place rather than truncated first, for the same
// reason as above.
bool writeHeaderFile(const std::string& path, std::span<const uint8_t> bytes);

// Appends samples as little-endian 16-bit values, creating the file when
// missing; false on failure.
bool appendSamples(const std::string& path, std::span<const int16_t> samples);

}  // namespace ruvo::joiner
