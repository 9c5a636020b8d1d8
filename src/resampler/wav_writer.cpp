#include "resampler/wav_writer.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "core/unique_fd.h"

namespace ruvo::resampler {

namespace {

constexpr uint16_t kTagPcm = 1;
constexpr uint16_t kTagFloat = 3;

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
