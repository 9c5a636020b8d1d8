// A recording's frequency table as the table editor handles it: read,
// edited (frames unvoiced and moved), written, and read again, which must
// give back exactly the header and values that were written.

#include <cstring>
#include <string>

#include "fuzz/fuzz_targets.h"
#include "fuzz/scratch_folder.h"
#include "voicebank/frq_table.h"

namespace ruvo::fuzz {

namespace {

bool sameBits(const FrqTable& a, const FrqTable& b) {
  const FrqHeader& x = a.header;
  const FrqHeader& y = b.header;
  if (x.identifier != y.identifier || x.field8 != y.field8 || x.reserved != y.reserved ||
      x.frameCount != y.frameCount || std::memcmp(&x.average, &y.average, sizeof x.average) != 0)
    return false;
  return a.values.size() == b.values.size() &&
         (a.values.empty() || std::memcmp(a.values.data(), b.values.data(), a.values.size() * sizeof(double)) == 0);
}

}  // namespace

std::string frqTable(Bytes bytes) {
  const std::string recording = scratchFolder() + "/rec.wav";
  putScratchFile("rec_wav.frq", {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  (void)readFrqHeader(recording);
  auto table = readFrq(recording);
  if (!table) return {};
  const int32_t frames = table->header.frameCount;
  if (frames < 1 || frames > kFrqMaxFrames) return "frame count " + std::to_string(frames) + " accepted";
  if (table->values.size() != 2 * static_cast<size_t>(frames))
    return std::to_string(table->values.size()) + " values for " + std::to_string(frames) + " frames";

  for (size_t i = 0; i < table->values.size(); i += 2) table->values[i] = i % 4 == 0 ? kNoPitch : table->values[i] * 2;
  table->header.average = table->values.front();
  if (auto written = writeFrq(*table, recording); !written) return "write failed: " + written.error().message;
  auto again = readFrq(recording);
  if (!again) return "written table does not read: " + again.error().message;
  if (!sameBits(*table, *again)) return "written table reads back different";
  return {};
}

}  // namespace ruvo::fuzz
