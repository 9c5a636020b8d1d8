#pragma once
// Vowels of sung syllables, for voice banks whose entries start from the
// previous note's vowel (aliases such as "a か" and "- か").

#include <string>
#include <string_view>

namespace ruvo {

// The vowel a lyric ends in, in romaji: "a", "i", "u", "e", "o", or "n" for
// a final n / ん / ン. Kana (hiragana or katakana, small ones included) and
// romaji are understood; a final long-vowel mark "ー" takes the vowel before
// it. "" when the lyric ends in nothing with a vowel.
std::string vowelOf(std::string_view lyric);

// The kana form of a romaji vowel ("a" -> "あ", "n" -> "ん"); "" for others.
std::string kanaVowel(std::string_view romaji);

// True for an alias "- X" or "v X" (v a romaji or kana vowel or n, X not empty).
bool isVcvAlias(std::string_view alias);

}  // namespace ruvo
