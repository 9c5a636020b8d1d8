#include "editor/play_position.h"

#include "core/numbers.h"

namespace ruvo {

std::optional<PlayPoint> playPointAt(const Song& song, const LabelLayout& layout, int first, int last,
                                     double seconds) {
  if (first < 0 || seconds < 0) return std::nullopt;
  double start = 0;
  for (int i = first; i <= last && i < song.noteCount; ++i) {
    if (static_cast<size_t>(i) >= layout.labels.size()) return std::nullopt;
    const double tempo = leadingNumber(layout.labels[static_cast<size_t>(i)].tag);
    if (tempo <= 0) return std::nullopt;
    const double length = song.notes[static_cast<size_t>(i)].length / 1920.0 * 60.0 / tempo;
    if (seconds < start + length) return PlayPoint{i, (seconds - start) / length};
    start += length;
  }
  return std::nullopt;
}

}  // namespace ruvo
