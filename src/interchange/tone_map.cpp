#include "interchange/tone_map.h"

#include "core/numbers.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "song/song_model.h"

namespace ruvo {

int ToneMap::programFor(std::string_view lyric) const {
  for (auto it = entries.rbegin(); it != entries.rend(); ++it)
    if (it->syllable.starts_with(lyric)) return it->program;
  return 0;
}

ToneMap loadToneMap(const std::string& programFolder) {
  ToneMap map;
  auto lines = readTextLines(joinPath(programFolder, kToneMapFileName));
  if (!lines) return map;
  for (const auto& line : *lines) {
    auto fields = splitFields(line, '\t');
    if (fields.size() < 3) continue;
    map.entries.push_back(ToneMapEntry{clampToInt32(leadingNumber(fields[0])), fields[2]});
  }
  return map;
}

}  // namespace ruvo
