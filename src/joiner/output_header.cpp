#include "joiner/output_header.h"

#include <algorithm>

#include "core/byte_order.h"

namespace ruvo::joiner {

HeaderBytes newHeader() {
  return HeaderBytes{'R', 'I', 'F', 'F', 36,  0,    0,   0,   'W', 'A', 'V', 'E', 'f', 'm', 't',
                     ' ', 16,  0,   0,   0,   1,    0,   1,   0,   0x44, 0xAC, 0, 0, 0x88, 0x58,
                     0x01, 0,  2,   0,   16,  0,    'd', 'a', 't', 'a', 0,   0,   0,   0};
}

OutputHeader parseOutputHeader(std::span<const uint8_t> file) {
  OutputHeader header;
  if (!hasTag(file, 0, "RIFF")) {
    header.problem = HeaderProblem::NotRiff;
  } else if (!hasTag(file, 8, "WAVE")) {
    header.problem = HeaderProblem::NotWave;
  } else if (file.size() < kHeaderSize) {
    header.problem = HeaderProblem::Truncated;
  } else {
    std::copy_n(file.begin(), kHeaderSize, header.bytes.begin());
    header.riffSize = *readI32(file, 4);
    header.dataSize = *readI32(file, 40);
  }
  return header;
}

void storeSizes(HeaderBytes& header, int32_t riffSize, int32_t dataSize) {
  writeI32(header, 4, riffSize);
  writeI32(header, 40, dataSize);
}

}  // namespace ruvo::joiner
