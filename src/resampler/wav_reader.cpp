#include "resampler/wav_reader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/byte_order.h"
#include "core/unique_fd.h"
#include "resampler/constants.h"

namespace ruvo::resampler {

namespace {

constexpr uint16_t kTagPcm = 1;
constexpr uint16_t kTagFloat = 3;
constexpr uint16_t kTagExtensible = 0xFFFE;

// Bytes of sample data decoded at a time.
constexpr size_t kBlockBytes = 65536;

// Fields the callers have already bounds checked; a missing one reads 0.
uint16_t u16At(std::string_view bytes, size_t at) { return readU16(bytesOf(bytes), at).value_or(0); }
uint32_t u32At(std::string_view bytes, size_t at) { return readU32(bytesOf(bytes), at).value_or(0); }

struct Format {
  bool isFloat = false;
  int channels = 0;
  int sampleRate = 0;
  int sampleBytes = 0;  // bytes of one sample of one channel
};

Result<Format> parseFormat(std::string_view body, const std::string& where) {
  if (body.size() < 16) return fail(ErrorCode::BadFormat, where + "fmt chunk shorter than 16 bytes");
  uint16_t tag = u16At(body, 0);
  // Extensible files name their real format in the first two bytes of the
  // sub-format GUID at offset 24.
  if (tag == kTagExtensible && body.size() >= 26) tag = u16At(body, 24);
  if (tag != kTagPcm && tag != kTagFloat)
    return fail(ErrorCode::BadFormat, where + "neither PCM nor float samples (format tag " + std::to_string(tag) + ")");
  Format format;
  format.isFloat = tag == kTagFloat;
  format.channels = u16At(body, 2);
  const uint32_t rate = u32At(body, 4);
  const int blockAlign = u16At(body, 12);
  const int bits = u16At(body, 14);
  if (format.channels < 1 || rate < 1000 || rate > 768000)
    return fail(ErrorCode::BadFormat, where + "unusable channel count or sample rate");
  format.sampleRate = static_cast<int>(rate);
  format.sampleBytes = (bits + 7) / 8;
  const bool known = format.isFloat ? (bits == 32 || bits == 64) : (bits >= 8 && bits <= 32);
  if (!known) return fail(ErrorCode::BadFormat, where + std::to_string(bits) + "-bit samples are not read");
  if (blockAlign != format.channels * format.sampleBytes)
    return fail(ErrorCode::BadFormat, where + "block align " + std::to_string(blockAlign) + " does not fit " +
                                          std::to_string(format.channels) + " channels of " + std::to_string(bits) +
                                          " bits");
  return format;
}

// One sample at full scale 1, as a float: integers are divided by 2 to the
// power of their width less one, 8-bit samples are unsigned.
float unsigned8(const uint8_t* p) { return static_cast<float>(p[0] - 128) * (1.0f / 128.0f); }
float signed16(const uint8_t* p) { return static_cast<float>(static_cast<int16_t>(p[0] | p[1] << 8)) * (1.0f / 32768.0f); }
float signed24(const uint8_t* p) {
  const uint32_t bits =
      static_cast<uint32_t>(p[0]) << 8 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 24;
  return static_cast<float>(static_cast<int32_t>(bits)) * (1.0f / 2147483648.0f);
}
uint32_t little32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
float signed32(const uint8_t* p) { return static_cast<float>(static_cast<int32_t>(little32(p))) * (1.0f / 2147483648.0f); }
float float32(const uint8_t* p) {
  const uint32_t bits = little32(p);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
float float64(const uint8_t* p) {
  const uint64_t bits = static_cast<uint64_t>(little32(p)) | static_cast<uint64_t>(little32(p + 4)) << 32;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return static_cast<float>(value);
}

// Each frame's channels averaged; one loop per encoding, so that the
// decoding of a sample is not chosen again for every sample.
template <float (*decode)(const uint8_t*)>
void mixFrames(const uint8_t* p, const Format& format, std::span<float> mono) {
  // Float files may hold NaN or infinities; they would poison every later
  // stage.
  if (format.channels == 1) {
    for (float& out : mono) {
      const float value = decode(p);
      p += format.sampleBytes;
      out = std::isfinite(value) ? value : 0.0f;
    }
    return;
  }
  for (float& out : mono) {
    double sum = 0;
    for (int c = 0; c < format.channels; ++c, p += format.sampleBytes) sum += decode(p);
    const auto value = static_cast<float>(sum / format.channels);
    out = std::isfinite(value) ? value : 0.0f;
  }
}

// Decodes whole frames of data into mono.
void mixBlock(std::string_view data, const Format& format, std::span<float> mono) {
  const auto* p = reinterpret_cast<const uint8_t*>(data.data());
  switch (format.sampleBytes) {
    case 1: mixFrames<unsigned8>(p, format, mono); break;
    case 2: mixFrames<signed16>(p, format, mono); break;
    case 3: mixFrames<signed24>(p, format, mono); break;
    case 4: format.isFloat ? mixFrames<float32>(p, format, mono) : mixFrames<signed32>(p, format, mono); break;
    default: mixFrames<float64>(p, format, mono); break;
  }
}

// Where a file's bytes come from: memory, or an open file read piece by
// piece. read gives up to count bytes from offset (fewer at the end), valid
// until the next read.
class MemoryBytes {
 public:
  explicit MemoryBytes(std::string_view bytes) : m_bytes(bytes) {}
  uint64_t size() const { return m_bytes.size(); }
  Result<std::string_view> read(uint64_t offset, size_t count) const {
    return offset < m_bytes.size() ? m_bytes.substr(static_cast<size_t>(offset), count) : std::string_view();
  }

 private:
  std::string_view m_bytes;
};

class FileBytes {
 public:
  FileBytes(UniqueFd fd, uint64_t size, std::string path) : m_fd(std::move(fd)), m_size(size), m_path(std::move(path)) {}
  uint64_t size() const { return m_size; }
  Result<std::string_view> read(uint64_t offset, size_t count) {
    m_buffer.resize(count);
    size_t done = 0;
    while (done < count) {
      const ssize_t got = ::pread(m_fd.get(), m_buffer.data() + done, count - done, static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return fail(ErrorCode::Unreadable, m_path + ": " + std::strerror(errno));
      if (got == 0) break;
      done += static_cast<size_t>(got);
    }
    return std::string_view(m_buffer.data(), done);
  }

 private:
  UniqueFd m_fd;
  uint64_t m_size;
  std::string m_path;
  std::string m_buffer;
};

template <typename Bytes>
Result<MonoAudio> readSamples(Bytes& bytes, const Format& format, uint64_t offset, uint64_t length,
                              const std::string& where) {
  const auto frameBytes = static_cast<size_t>(format.channels * format.sampleBytes);
  const uint64_t frames = length / frameBytes;
  if (static_cast<double>(frames) > kMaxRecordingSeconds * format.sampleRate)
    return fail(ErrorCode::BadFormat, where + "recording longer than ten minutes");
  if (frames == 0) return fail(ErrorCode::BadFormat, where + "the recording holds no samples");
  MonoAudio audio;
  audio.sampleRate = format.sampleRate;
  audio.samples.resize(static_cast<size_t>(frames));
  const size_t blockFrames = std::max<size_t>(1, kBlockBytes / frameBytes);
  for (size_t done = 0; done < audio.samples.size();) {
    const size_t count = std::min(blockFrames, audio.samples.size() - done);
    auto block = bytes.read(offset + done * frameBytes, count * frameBytes);
    if (!block) return tl::unexpected(block.error());
    if (block->size() != count * frameBytes) return fail(ErrorCode::Unreadable, where + "the file shrank while it was read");
    mixBlock(*block, format, std::span<float>(audio.samples).subspan(done, count));
    done += count;
  }
  return audio;
}

template <typename Bytes>
Result<MonoAudio> parseWav(Bytes& bytes, const std::string& where) {
  auto head = bytes.read(0, 12);
  if (!head) return tl::unexpected(head.error());
  if (head->size() < 12 || head->substr(0, 4) != "RIFF" || head->substr(8, 4) != "WAVE")
    return fail(ErrorCode::BadFormat, where + "not a RIFF WAVE file");
  const uint64_t end = bytes.size();
  std::optional<Format> format;
  uint64_t pos = 12;
  while (end - pos >= 8) {
    auto header = bytes.read(pos, 8);
    if (!header) return tl::unexpected(header.error());
    if (header->size() < 8) break;
    const std::string id(header->substr(0, 4));
    const uint64_t size = u32At(*header, 4);
    const uint64_t body = pos + 8;
    const uint64_t left = end - body;
    if (id == "fmt ") {
      if (size > left) return fail(ErrorCode::BadFormat, where + "fmt chunk runs past the end of the file");
      // The fields read lie in the first 26 bytes.
      auto fields = bytes.read(body, static_cast<size_t>(std::min<uint64_t>(size, 64)));
      if (!fields) return tl::unexpected(fields.error());
      auto parsed = parseFormat(*fields, where);
      if (!parsed) return tl::unexpected(parsed.error());
      format = *parsed;
    } else if (id == "data") {
      if (!format) return fail(ErrorCode::BadFormat, where + "data chunk before any fmt chunk");
      return readSamples(bytes, *format, body, std::min(size, left), where);
    }
    // Chunks are padded to an even length.
    const uint64_t next = body + size + (size & 1);
    if (next > end) break;
    pos = next;
  }
  return fail(ErrorCode::BadFormat, where + (format ? "no data chunk" : "no fmt chunk"));
}

}  // namespace

Result<MonoAudio> parseMonoWav(std::string_view bytes, std::string_view name) {
  MemoryBytes memory(bytes);
  return parseWav(memory, std::string(name) + ": ");
}

Result<MonoAudio> readMonoWav(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd) {
    const ErrorCode code = errno == ENOENT ? ErrorCode::NotFound : ErrorCode::Unreadable;
    return fail(code, path + ": " + std::strerror(errno));
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
    return fail(ErrorCode::Unreadable, path + ": not a readable file");
  FileBytes file(std::move(fd), static_cast<uint64_t>(info.st_size), path);
  return parseWav(file, path + ": ");
}

}  // namespace ruvo::resampler
