#include "media/growing_clip.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/byte_order.h"

namespace ruvo {

namespace {

constexpr size_t kHeaderSize = 44;
constexpr size_t kReadFrames = 16384;

}  // namespace

GrowingClip::GrowingClip(std::string headerPath, std::string dataPath)
    : m_headerPath(std::move(headerPath)), m_dataPath(std::move(dataPath)) {}

Result<void> GrowingClip::openFiles() {
  std::unique_ptr<std::FILE, FileCloser> header(std::fopen(m_headerPath.c_str(), "rb"));
  if (!header) return {};
  std::array<uint8_t, kHeaderSize> bytes{};
  if (std::fread(bytes.data(), 1, bytes.size(), header.get()) < bytes.size())
    return {};  // still being written
  const auto format = readU16(bytes, 20);
  const auto channels = readU16(bytes, 22);
  const auto rate = readU32(bytes, 24);
  const auto bits = readU16(bytes, 34);
  if (!hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE") || format != 1 || bits != 16 || *channels < 1 ||
      *channels > 2 || *rate < 1000 || *rate > 768000)
    return fail(ErrorCode::BadFormat, m_headerPath + ": not 16-bit PCM of one or two channels");
  m_data.reset(std::fopen(m_dataPath.c_str(), "rb"));
  if (!m_data) return {};
  m_channels = *channels;
  m_sampleRate = static_cast<int>(*rate);
  m_capacity = kMaxSeconds * *rate;
  m_chunks.resize((m_capacity + kChunkFrames - 1) / kChunkFrames);
  return {};
}

Result<void> GrowingClip::readData(bool settleAll) {
  const size_t channels = static_cast<size_t>(m_channels);
  const size_t frameBytes = 2 * channels;
  // What is not settled may have been blended over since: it is read again.
  size_t frame = m_settled.load(std::memory_order_relaxed);
  if (std::fseek(m_data.get(), static_cast<long>(frame * frameBytes), SEEK_SET) != 0)
    return fail(ErrorCode::Unreadable, m_dataPath + ": cannot be read");
  std::vector<uint8_t> block(kReadFrames * frameBytes);
  while (frame < m_capacity) {
    const size_t want = std::min(kReadFrames, m_capacity - frame) * frameBytes;
    const size_t got = std::fread(block.data(), 1, want, m_data.get()) / frameBytes;
    for (size_t i = 0; i < got; ++i, ++frame) {
      std::unique_ptr<float[]>& chunk = m_chunks[frame / kChunkFrames];
      if (!chunk) chunk = std::make_unique<float[]>(kChunkFrames * channels);
      float* to = chunk.get() + (frame % kChunkFrames) * channels;
      for (size_t c = 0; c < channels; ++c) {
        const size_t at = (i * channels + c) * 2;
        const auto sample = static_cast<int16_t>(block[at] | (block[at + 1] << 8));
        to[c] = static_cast<float>(sample) / 32768.0f;
      }
    }
    if (got * frameBytes < want) break;
  }
  if (std::ferror(m_data.get())) return fail(ErrorCode::Unreadable, m_dataPath + ": cannot be read");
  const auto unsettled = static_cast<size_t>(kUnsettledSeconds * m_sampleRate);
  const size_t settled = settleAll ? frame : (frame > unsettled ? frame - unsettled : 0);
  m_settled.store(std::max(settled, m_settled.load(std::memory_order_relaxed)), std::memory_order_release);
  return {};
}

Result<void> GrowingClip::refresh() {
  if (isComplete()) return {};
  if (!m_data) {
    if (auto opened = openFiles(); !opened) return opened;
    if (!m_data) return {};
  }
  return readData(false);
}

Result<void> GrowingClip::complete() {
  auto read = refresh();
  if (m_data && read) read = readData(true);
  m_complete.store(true, std::memory_order_release);
  return read;
}

void GrowingClip::copy(size_t first, size_t count, float* out) const {
  const size_t channels = static_cast<size_t>(m_channels);
  while (count > 0) {
    const size_t within = first % kChunkFrames;
    const size_t take = std::min(count, kChunkFrames - within);
    std::copy_n(m_chunks[first / kChunkFrames].get() + within * channels, take * channels, out);
    out += take * channels;
    first += take;
    count -= take;
  }
}

}  // namespace ruvo
