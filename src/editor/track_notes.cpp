#include "editor/track_notes.h"

#include "core/text_file.h"
#include "interchange/import_dispatch.h"
#include "interchange/sequence_reader.h"
#include "interchange/vsq_reader.h"
#include "song/song_model.h"

namespace ruvo {

std::vector<int> sungNotesPerTrack(const std::string& path, size_t trackCount) {
  auto bytes = readFileBytes(path);
  if (!bytes) return {};
  const bool vsq = lowerExtension(path) == ".vsq";
  const MidiReadOptions options{120, ""};
  std::vector<int> counts;
  for (size_t track = 1; track <= trackCount; ++track) {
    Song scratch;
    auto read = vsq ? readVsqTrack(*bytes, static_cast<int>(track), scratch, options)
                    : importTrack(*bytes, static_cast<int>(track), scratch, options);
    int sung = 0;
    if (read)
      for (int i = 0; i < read->count; ++i) sung += !isRest(scratch[i].lyric);
    counts.push_back(sung);
  }
  return counts;
}

int firstTrackWithNotes(const std::vector<int>& sungNotes) {
  for (size_t row = 0; row < sungNotes.size(); ++row)
    if (sungNotes[row] > 0) return static_cast<int>(row);
  return 0;
}

}  // namespace ruvo
