#include "song/note_name.h"

#include <algorithm>
#include <cstdint>

#include "core/numbers.h"

namespace ruvo {

namespace {
constexpr std::string_view kSharpCells = "C C#D D#E F F#G G#A A#B ";
constexpr std::string_view kFlatCells = "C DbD EbE F GbG AbA BbB ";
constexpr std::string_view kNaturalCells = "C   D   E F   G   A   B ";
// Any octave past this gives a note number past the int32 range either way;
// clamping to it first keeps 12 * octave far inside int64.
constexpr int64_t kOctaveLimit = int64_t{1} << 32;
}  // namespace

std::string noteNameOf(int noteNumber) {
  if (noteNumber < 0) return {};
  std::string cell(kSharpCells.substr(static_cast<size_t>(noteNumber % 12) * 2, 2));
  if (cell.back() == ' ') cell.pop_back();
  return cell + std::to_string(noteNumber / 12 + 1);
}

int noteNumberOf(std::string_view name) {
  if (name.empty()) return kNoKey;
  std::string_view cells = kNaturalCells;
  size_t letters = 1;
  if (name.size() >= 2 && name[1] == 'b') {
    cells = kFlatCells;
    letters = 2;
  } else if (name.size() >= 2 && name[1] == '#') {
    cells = kSharpCells;
    letters = 2;
  }
  size_t pos = cells.find(name.substr(0, letters));
  // Cells start at even offsets; a match across two cells is no note.
  if (pos == std::string_view::npos || pos % 2 != 0) return kNoKey;
  const int64_t octave = std::clamp(roundHalfEven(leadingNumber(name.substr(letters))), -kOctaveLimit, kOctaveLimit);
  int64_t number = static_cast<int64_t>(pos / 2) + 12 * octave - 12;
  return clampToInt32(static_cast<double>(number));
}

}  // namespace ruvo
