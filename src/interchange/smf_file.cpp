#include "interchange/smf_file.h"

#include "interchange/midi_bytes.h"

namespace ruvo {

namespace {
bool isChunkId(std::string_view id) {
  for (char c : id)
    if (c < 0x20 || c > 0x7E) return false;
  return true;
}
}  // namespace

Result<SmfLayout> parseSmf(std::string_view bytes) {
  ByteReader in(bytes);
  auto id = in.bytes(4);
  auto length = in.u32();
  if (!id || *id != "MThd" || !length || *length < 6) return fail(ErrorCode::BadFormat, std::string(kBadFileFormat));
  SmfLayout layout;
  auto format = in.u16();
  auto trackCount = in.u16();
  auto division = in.u16();
  if (!format || !trackCount || !division || *format >= 2)
    return fail(ErrorCode::BadFormat, std::string(kBadFileFormat));
  layout.format = *format;
  layout.trackCount = *trackCount;
  layout.division = *division;
  in.skip(*length - 6);

  while (layout.tracks.size() < layout.trackCount && in.remaining() >= 8) {
    auto chunkId = in.bytes(4);
    auto chunkLength = in.u32();
    if (!isChunkId(*chunkId)) break;
    size_t size = *chunkLength < in.remaining() ? *chunkLength : in.remaining();
    auto data = in.bytes(size);
    if (*chunkId == "MTrk") layout.tracks.push_back(*data);
  }
  return layout;
}

bool hasMetricalDivision(const SmfLayout& layout) {
  return layout.division != 0 && (layout.division & 0x8000u) == 0;
}

}  // namespace ruvo
