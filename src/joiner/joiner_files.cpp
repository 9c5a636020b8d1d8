#include "joiner/joiner_files.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>
#include <utility>

namespace ruvo::joiner {

namespace {
FilePtr openFile(const std::string& path, const char* mode) { return FilePtr(std::fopen(path.c_str(), mode)); }

// Buffered write errors may only show when the stream is flushed on close.
bool closeChecked(FilePtr file) { return std::fclose(file.release()) == 0; }

// A hint for how much to reserve; a failed size query just means growing.
uint64_t sizeHint(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(file);
  std::rewind(file);
  return size > 0 ? static_cast<uint64_t>(size) : 0;
}

// Writes samples as little-endian 16-bit values. On a little-endian host
// that is the memory image, so the note needs no second buffer.
bool writeSamples(std::FILE* file, std::span<const int16_t> samples) {
  if constexpr (std::endian::native == std::endian::little) {
    return std::fwrite(samples.data(), 2, samples.size(), file) == samples.size();
  } else {
    std::vector<uint8_t> raw(2 * samples.size());
    for (size_t k = 0; k < samples.size(); ++k) {
      const auto bits = static_cast<uint16_t>(samples[k]);
      raw[2 * k] = static_cast<uint8_t>(bits);
      raw[2 * k + 1] = static_cast<uint8_t>(bits >> 8);
    }
    return std::fwrite(raw.data(), 1, raw.size(), file) == raw.size();
  }
}
}  // namespace

LoadedFile loadFile(const std::string& path, uint64_t maxBytes) {
  LoadedFile loaded;
  auto file = openFile(path, "rb");
  if (!file) return loaded;
  try {
    // The size hint lets a regular file be read straight into place with one
    // call; it is bounded because a folder opened as a file reports an
    // absurd size (and then fails on the first read).
    constexpr uint64_t kTrustedHint = uint64_t{1} << 24;
    constexpr uint64_t kChunk = uint64_t{1} << 16;
    uint64_t filled = 0;
    loaded.bytes.resize(std::min({sizeHint(file.get()) + 1, maxBytes, kTrustedHint}));
    while (!loaded.bytes.empty()) {
      const size_t want = loaded.bytes.size() - filled;
      const size_t got = std::fread(loaded.bytes.data() + filled, 1, want, file.get());
      filled += got;
      if (got < want || filled == maxBytes) break;
      loaded.bytes.resize(std::min(filled + std::max(filled, kChunk), maxBytes));
    }
    loaded.bytes.resize(filled);
  } catch (const std::bad_alloc&) {
    loaded.bytes = {};
    loaded.status = LoadStatus::NoMemory;
    return loaded;
  }
  loaded.status = std::ferror(file.get()) || loaded.bytes.empty() ? LoadStatus::ReadError : LoadStatus::Loaded;
  if (loaded.status != LoadStatus::Loaded) loaded.bytes = {};
  return loaded;
}

std::optional<DataFileTail> DataFileTail::read(const std::string& path, uint64_t samples) {
  DataFileTail tail;
  tail.m_file = openFile(path, "r+b");
  if (!tail.m_file || std::fseek(tail.m_file.get(), 0, SEEK_END) != 0) return std::nullopt;
  const long size = std::ftell(tail.m_file.get());
  const uint64_t bytes = 2 * samples;
  if (size < 0 || static_cast<uint64_t>(size) < bytes) return std::nullopt;
  tail.m_start = size - static_cast<long>(bytes);
  if (std::fseek(tail.m_file.get(), tail.m_start, SEEK_SET) != 0) return std::nullopt;
  std::vector<uint8_t> raw(bytes);
  if (std::fread(raw.data(), 1, raw.size(), tail.m_file.get()) != raw.size()) return std::nullopt;
  tail.m_samples.resize(samples);
  for (uint64_t k = 0; k < samples; ++k)
    tail.m_samples[k] = static_cast<int16_t>(static_cast<uint16_t>(raw[2 * k] | (raw[2 * k + 1] << 8)));
  return tail;
}

bool DataFileTail::writeOver(std::span<const int16_t> note) {
  if (std::fseek(m_file.get(), m_start, SEEK_SET) != 0) return false;
  const bool written = writeSamples(m_file.get(), note);
  return closeChecked(std::move(m_file)) && written;
}

bool writeHeaderFile(const std::string& path, std::span<const uint8_t> bytes) {
  auto file = openFile(path, "r+b");
  if (!file) file = openFile(path, "wb");
  if (!file) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  // Only a header file someone else made longer needs cutting.
  const bool longer = std::fseek(file.get(), 0, SEEK_END) == 0 && std::ftell(file.get()) > static_cast<long>(bytes.size());
  written = closeChecked(std::move(file)) && written;
  if (longer) {
    std::error_code error;
    std::filesystem::resize_file(path, bytes.size(), error);
    written = written && !error;
  }
  return written;
}

bool appendSamples(const std::string& path, std::span<const int16_t> samples) {
  auto file = openFile(path, "ab");
  if (!file) return false;
  const bool written = writeSamples(file.get(), samples);
  return closeChecked(std::move(file)) && written;
}

}  // namespace ruvo::joiner
