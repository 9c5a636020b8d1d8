#pragma once
// Lyrics are counted in characters, not bytes: a UTF-8 text split into its
// characters, and the small kana that join the character before them.

#include <string>
#include <string_view>
#include <vector>

namespace ruvo {

// Each element holds one character's UTF-8 bytes. A byte that does not start
// a well-formed sequence stands alone, so every byte of the text is kept.
std::vector<std::string> splitCharacters(std::string_view text);

// One of the small kana ゃ ゅ ょ ぁ ぃ ぅ ぇ ぉ (hiragana only; っ is not one).
bool isSmallKana(std::string_view character);

}  // namespace ruvo
