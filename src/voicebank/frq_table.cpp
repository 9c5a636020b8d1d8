#include "voicebank/frq_table.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/byte_order.h"
#include "core/paths.h"
#include "core/text_file.h"

namespace ruvo {

namespace {

Result<std::string> readTableBytes(const std::string& recordingPath) {
  if (recordingPath.empty()) return fail(ErrorCode::BadArgument, "frequency table: no recording path");
  auto tablePath = frqPathOf(recordingPath);
  if (!tablePath) return fail(ErrorCode::NotFound, recordingPath + ": not a .wav file, so it has no frequency table");
  auto bytes = readFileBytes(*tablePath);
  if (!bytes) return tl::unexpected(bytes.error());
  if (bytes->empty()) return fail(ErrorCode::BadFormat, *tablePath + ": empty file");
  if (bytes->size() < kFrqHeaderBytes)
    return fail(ErrorCode::BadFormat, *tablePath + ": shorter than the 40-byte header");
  return bytes;
}

FrqHeader parseHeader(std::string_view bytes) {
  FrqHeader header;
  header.identifier.assign(bytes.data(), 8);
  // The caller has checked that the 40-byte header is there.
  header.field8 = readI32(bytesOf(bytes), 8).value_or(0);
  header.average = readF64(bytesOf(bytes), 12).value_or(0.0);
  std::memcpy(header.reserved.data(), bytes.data() + 20, header.reserved.size());
  header.frameCount = readI32(bytesOf(bytes), 36).value_or(0);
  return header;
}

}  // namespace

std::optional<std::string> frqPathOf(std::string_view recordingPath) {
  if (!endsWithNoCase(recordingPath, ".wav")) return std::nullopt;
  std::string path(recordingPath.substr(0, recordingPath.size() - 4));
  path += "_wav.frq";
  return path;
}

std::string frqBackupPathOf(std::string_view tablePath) {
  std::string path(tablePath);
  if (endsWithNoCase(path, ".frq")) path.resize(path.size() - 4);
  return path + ".bak";
}

Result<FrqHeader> readFrqHeader(const std::string& recordingPath) {
  auto bytes = readTableBytes(recordingPath);
  if (!bytes) return tl::unexpected(bytes.error());
  return parseHeader(*bytes);
}

Result<FrqTable> readFrq(const std::string& recordingPath) {
  auto bytes = readTableBytes(recordingPath);
  if (!bytes) return tl::unexpected(bytes.error());
  FrqTable table;
  table.header = parseHeader(*bytes);
  const int32_t n = table.header.frameCount;
  if (n <= 0 || n > kFrqMaxFrames)
    return fail(ErrorCode::BadFormat, *frqPathOf(recordingPath) + ": frame count " + std::to_string(n) +
                                          " outside 1.." + std::to_string(kFrqMaxFrames));
  const size_t count = 2 * static_cast<size_t>(n);
  table.values.assign(count, 0.0);
  const size_t available = (bytes->size() - kFrqHeaderBytes) / sizeof(double);
  for (size_t i = 0; i < count && i < available; ++i)
    table.values[i] = readF64(bytesOf(*bytes), kFrqHeaderBytes + i * sizeof(double)).value_or(0.0);
  return table;
}

Result<void> writeFrq(const FrqTable& table, const std::string& recordingPath) {
  if (recordingPath.empty()) return fail(ErrorCode::BadArgument, "frequency table: no recording path");
  auto tablePath = frqPathOf(recordingPath);
  if (!tablePath) return fail(ErrorCode::BadArgument, recordingPath + ": not a .wav file, so it has no frequency table");

  std::string bytes;
  bytes.reserve(kFrqHeaderBytes + table.values.size() * sizeof(double));
  std::string identifier = table.header.identifier;
  identifier.resize(8, ' ');
  bytes += identifier;
  appendI32(bytes, table.header.field8);
  appendF64(bytes, table.header.average);
  bytes.append(reinterpret_cast<const char*>(table.header.reserved.data()), table.header.reserved.size());
  appendI32(bytes, table.header.frameCount);
  for (double value : table.values) appendF64(bytes, value);

  const std::string fresh = *tablePath + ".new";
  if (auto written = writeFileBytes(fresh, bytes); !written) {
    std::error_code ignored;
    std::filesystem::remove(fresh, ignored);
    return written;
  }
  // The old table is copied to the backup rather than moved there, and
  // each file takes its name by one rename, so the table's name always
  // holds a whole table: the old one until the new one replaces it.
  std::error_code ec;
  if (std::filesystem::exists(*tablePath, ec)) {
    const std::string backup = frqBackupPathOf(*tablePath);
    const std::string backupCopy = backup + ".new";
    std::filesystem::copy_file(*tablePath, backupCopy, std::filesystem::copy_options::overwrite_existing, ec);
    if (!ec) std::filesystem::rename(backupCopy, backup, ec);
    if (ec) {
      std::error_code ignored;
      std::filesystem::remove(backupCopy, ignored);
      std::filesystem::remove(fresh, ignored);
      return fail(ErrorCode::Unwritable, *tablePath + ": cannot keep the old table as its backup: " + ec.message());
    }
  }
  std::filesystem::rename(fresh, *tablePath, ec);
  if (ec) {
    std::error_code ignored;
    std::filesystem::remove(fresh, ignored);
    return fail(ErrorCode::Unwritable, *tablePath + ": " + ec.message());
  }
  return {};
}

}  // namespace ruvo
