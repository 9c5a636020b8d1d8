#include "song/value_bounds.h"

#include <algorithm>

#include "core/numbers.h"

namespace ruvo {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string tempoTextProblem(std::string_view text) {
  std::string_view trimmed = text;
  while (!trimmed.empty() && isBlank(trimmed.front())) trimmed.remove_prefix(1);
  while (!trimmed.empty() && isBlank(trimmed.back())) trimmed.remove_suffix(1);
  const auto number = parseLeadingNumber(trimmed);
  if (number && number->length == trimmed.size() && number->value >= kSlowestTempo &&
      number->value <= kFastestTempo)
    return "";
  return "テンポ「" + std::string(text) + "」は使えません。" + shortestFloat(kSlowestTempo) + "から" +
         shortestFloat(kFastestTempo) + "までの数を入力してください。";
}

std::vector<std::string> boundNotes(Song& song) {
  std::vector<std::string> changes;
  for (int i = 0; i < song.noteCount; ++i) {
    Note& note = song[i];
    const std::string name = "ノート" + std::to_string(i) + "「" + note.lyric + "」の";
    const int length = std::clamp(note.length, -kLongestNoteLength, kLongestNoteLength);
    if (length != note.length) {
      changes.push_back(name + "長さ " + std::to_string(note.length) + " → " + std::to_string(length));
      note.length = length;
    }
    if (note.noteNumber > kHighestNoteNumber) {
      changes.push_back(name + "キー " + std::to_string(note.noteNumber) + " → " +
                        std::to_string(kHighestNoteNumber));
      note.noteNumber = kHighestNoteNumber;
    }
  }
  return changes;
}

}  // namespace ruvo
