#pragma once
// Phonetic symbols of a lyric for the VSQ handle lines.

#include <string>
#include <string_view>

namespace ruvo {

// The symbols of the first kana of the lyric that the table knows ("か" ->
// "k a", "ら" -> "4 a", "う" -> "M", "ん" -> "n", "きゃ" -> "k i"); the empty
// text when the lyric holds none.
std::string phoneticSymbols(std::string_view lyric);

}  // namespace ruvo
