#include "resampler/wav_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
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

// Larger than any recording worth reading (ten minutes of 96 kHz stereo in
// 64-bit floats is under 1 GiB), so a huge file is refused before it is read.
constexpr off_t kMaxFileBytes = off_t{1} << 30;

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
void mixFrames(const uint8_t* p, const Format& format, std::vector<float>& mono) {
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

MonoAudio mixToMono(std::string_view data, const Format& format) {
  MonoAudio audio;
  audio.sampleRate = format.sampleRate;
  audio.samples.resize(data.size() / static_cast<size_t>(format.channels * format.sampleBytes));
  const auto* p = reinterpret_cast<const uint8_t*>(data.data());
  switch (format.sampleBytes) {
    case 1: mixFrames<unsigned8>(p, format, audio.samples); break;
    case 2: mixFrames<signed16>(p, format, audio.samples); break;
    case 3: mixFrames<signed24>(p, format, audio.samples); break;
    case 4: format.isFloat ? mixFrames<float32>(p, format, audio.samples) : mixFrames<signed32>(p, format, audio.samples); break;
    default: mixFrames<float64>(p, format, audio.samples); break;
  }
  return audio;
}

Result<std::string> readWhole(const std::string& path) {
  UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd) {
    const ErrorCode code = errno == ENOENT ? ErrorCode::NotFound : ErrorCode::Unreadable;
    return fail(code, path + ": " + std::strerror(errno));
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
    return fail(ErrorCode::Unreadable, path + ": not a readable file");
  if (info.st_size > kMaxFileBytes) return fail(ErrorCode::BadFormat, path + ": recording longer than ten minutes");
  std::string bytes(static_cast<size_t>(info.st_size), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return fail(ErrorCode::Unreadable, path + ": " + std::strerror(errno));
    if (got == 0) break;  // the file shrank while it was read
    done += static_cast<size_t>(got);
  }
  bytes.resize(done);
  return bytes;
}

void appendU16(std::string& bytes, uint16_t value) {
  bytes.push_back(static_cast<char>(value & 0xFF));
  bytes.push_back(static_cast<char>(value >> 8));
}

void appendU32(std::string& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// The RIFF header of a mono file whose data chunk follows it directly.
std::string monoHeader(uint16_t tag, int sampleBytes, size_t samples, int sampleRate) {
  const auto dataBytes = static_cast<uint32_t>(samples * static_cast<size_t>(sampleBytes));
  const bool extended = tag != kTagPcm;  // non-PCM formats carry a (zero) extension size
  std::string header = "RIFF";
  appendU32(header, (extended ? 38 : 36) + dataBytes);
  header += "WAVEfmt ";
  appendU32(header, extended ? 18 : 16);
  appendU16(header, tag);
  appendU16(header, 1);
  appendU32(header, static_cast<uint32_t>(sampleRate));
  appendU32(header, static_cast<uint32_t>(sampleRate * sampleBytes));
  appendU16(header, static_cast<uint16_t>(sampleBytes));
  appendU16(header, static_cast<uint16_t>(8 * sampleBytes));
  if (extended) appendU16(header, 0);
  header += "data";
  appendU32(header, dataBytes);
  return header;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Writes the file beside its target (".NAME.XXXXXX") and renames it over
// the target once it is whole.
Result<void> replaceFile(const std::string& path, std::string_view bytes) {
  const size_t slash = path.rfind('/');
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::string side = path.substr(0, nameStart) + "." + path.substr(nameStart) + ".XXXXXX";
  const int raw = ::mkstemp(side.data());
  if (raw < 0) return fail(ErrorCode::Unwritable, path + ": " + std::strerror(errno));
  UniqueFd fd(raw);
  const mode_t mask = ::umask(0);
  ::umask(mask);
  bool ok = ::fchmod(fd.get(), 0666 & ~mask) == 0 && writeAll(fd.get(), bytes);
  int error = errno;
  fd.reset();
  if (ok && ::rename(side.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(side.c_str());
    return fail(ErrorCode::Unwritable, path + ": " + std::strerror(error));
  }
  return {};
}

Result<void> checkLength(const std::string& path, size_t samples, int sampleBytes) {
  if (samples > (UINT32_MAX - 64) / static_cast<size_t>(sampleBytes))
    return fail(ErrorCode::Unwritable, path + ": too many samples for a WAV file");
  return {};
}

}  // namespace

Result<MonoAudio> parseMonoWav(std::string_view bytes, std::string_view name) {
  const std::string where = std::string(name) + ": ";
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
    return fail(ErrorCode::BadFormat, where + "not a RIFF WAVE file");
  std::optional<Format> format;
  size_t pos = 12;
  while (bytes.size() - pos >= 8) {
    const std::string_view id = bytes.substr(pos, 4);
    const uint64_t size = u32At(bytes, pos + 4);
    const size_t body = pos + 8;
    const size_t left = bytes.size() - body;
    if (id == "fmt ") {
      if (size > left) return fail(ErrorCode::BadFormat, where + "fmt chunk runs past the end of the file");
      auto parsed = parseFormat(bytes.substr(body, size), where);
      if (!parsed) return tl::unexpected(parsed.error());
      format = *parsed;
    } else if (id == "data") {
      if (!format) return fail(ErrorCode::BadFormat, where + "data chunk before any fmt chunk");
      const std::string_view data = bytes.substr(body, static_cast<size_t>(std::min<uint64_t>(size, left)));
      const size_t frames = data.size() / static_cast<size_t>(format->channels * format->sampleBytes);
      if (static_cast<double>(frames) > kMaxRecordingSeconds * format->sampleRate)
        return fail(ErrorCode::BadFormat, where + "recording longer than ten minutes");
      if (frames == 0) return fail(ErrorCode::BadFormat, where + "the recording holds no samples");
      return mixToMono(data, *format);
    }
    // Chunks are padded to an even length.
    const uint64_t next = body + size + (size & 1);
    if (next > bytes.size()) break;
    pos = static_cast<size_t>(next);
  }
  return fail(ErrorCode::BadFormat, where + (format ? "no data chunk" : "no fmt chunk"));
}

Result<MonoAudio> readMonoWav(const std::string& path) {
  auto bytes = readWhole(path);
  if (!bytes) return tl::unexpected(bytes.error());
  return parseMonoWav(*bytes, path);
}

Result<void> writePcm16Wav(const std::string& path, std::span<const float> samples, int sampleRate) {
  if (auto fits = checkLength(path, samples.size(), 2); !fits) return fits;
  std::string bytes = monoHeader(kTagPcm, 2, samples.size(), sampleRate);
  const size_t start = bytes.size();
  bytes.resize(start + 2 * samples.size());
  char* out = bytes.data() + start;
  for (const float sample : samples) {
    const float scaled = sample * 32768.0f;
    int value = 0;
    if (scaled >= 32767.0f) {
      value = 32767;
    } else if (scaled <= -32768.0f) {
      value = -32768;
    } else if (!std::isnan(scaled)) {
      // Rounded down: truncated, and one less for a negative fraction.
      value = static_cast<int>(scaled);
      if (static_cast<float>(value) > scaled) --value;
    }
    *out++ = static_cast<char>(value & 0xFF);
    *out++ = static_cast<char>((value >> 8) & 0xFF);
  }
  return replaceFile(path, bytes);
}

Result<void> writeFloatWav(const std::string& path, std::span<const float> samples, int sampleRate) {
  if (auto fits = checkLength(path, samples.size(), 4); !fits) return fits;
  std::string bytes = monoHeader(kTagFloat, 4, samples.size(), sampleRate);
  const size_t start = bytes.size();
  bytes.resize(start + 4 * samples.size());
  char* out = bytes.data() + start;
  for (const float sample : samples) {
    uint32_t bits;
    std::memcpy(&bits, &sample, sizeof bits);
    for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<char>((bits >> shift) & 0xFF);
  }
  return replaceFile(path, bytes);
}

}  // namespace ruvo::resampler
