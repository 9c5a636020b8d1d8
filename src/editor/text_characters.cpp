#include "editor/text_characters.h"

#include <array>

namespace ruvo {

namespace {

// Length of the well-formed sequence starting at `at`, or 1.
size_t sequenceLength(std::string_view text, size_t at) {
  auto byte = static_cast<unsigned char>(text[at]);
  size_t length = byte < 0x80 ? 1 : (byte >> 5) == 0x6 ? 2 : (byte >> 4) == 0xE ? 3 : (byte >> 3) == 0x1E ? 4 : 1;
  if (at + length > text.size()) return 1;
  for (size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

}  // namespace

std::vector<std::string> splitCharacters(std::string_view text) {
  std::vector<std::string> characters;
  for (size_t at = 0; at < text.size();) {
    size_t length = sequenceLength(text, at);
    characters.emplace_back(text.substr(at, length));
    at += length;
  }
  return characters;
}

bool isSmallKana(std::string_view character) {
  static constexpr std::array<std::string_view, 8> kSmall{"ゃ", "ゅ", "ょ", "ぁ", "ぃ", "ぅ", "ぇ", "ぉ"};
  for (auto small : kSmall) {
    if (character == small) return true;
  }
  return false;
}

}  // namespace ruvo
