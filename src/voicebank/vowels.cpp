#include "voicebank/vowels.h"

#include <array>
#include <utility>

namespace ruvo {

namespace {

// Every kana by the vowel it ends in.
constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kKanaByVowel = {{
    {"a", "あかさたなはまやらわがざだばぱぁゃゎアカサタナハマヤラワガザダバパァャヮヵ"},
    {"i", "いきしちにひみりぎじぢびぴぃゐイキシチニヒミリギジヂビピィヰ"},
    {"u", "うくすつぬふむゆるぐずづぶぷぅゅゔウクスツヌフムユルグズヅブプゥュヴ"},
    {"e", "えけせてねへめれげぜでべぺぇゑエケセテネヘメレゲゼデベペェヱヶ"},
    {"o", "おこそとのほもよろをごぞどぼぽぉょオコソトノホモヨロヲゴゾドボポォョ"},
    {"n", "んン"},
}};

constexpr std::string_view kLongMark = "ー";

// The last UTF-8 character of `text`.
std::string_view lastCharacter(std::string_view text) {
  size_t start = text.size() - 1;
  while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
  return text.substr(start);
}

std::string vowelOfCharacter(std::string_view character) {
  if (character.size() == 1) {
    char c = character[0];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (std::string_view("aiueon").find(c) != std::string_view::npos) return std::string(1, c);
    return {};
  }
  for (const auto& [vowel, kana] : kKanaByVowel) {
    for (size_t i = 0; i < kana.size(); i += 3)
      if (kana.substr(i, 3) == character) return std::string(vowel);
  }
  return {};
}

}  // namespace

std::string vowelOf(std::string_view lyric) {
  while (!lyric.empty()) {
    std::string_view last = lastCharacter(lyric);
    if (last != kLongMark) return vowelOfCharacter(last);
    lyric.remove_suffix(last.size());
  }
  return {};
}

std::string kanaVowel(std::string_view romaji) {
  constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kKana = {
      {{"a", "あ"}, {"i", "い"}, {"u", "う"}, {"e", "え"}, {"o", "お"}, {"n", "ん"}}};
  for (const auto& [vowel, kana] : kKana)
    if (vowel == romaji) return std::string(kana);
  return {};
}

bool isVcvAlias(std::string_view alias) {
  size_t space = alias.find(' ');
  if (space == std::string_view::npos || space == 0 || space + 1 >= alias.size()) return false;
  std::string_view head = alias.substr(0, space);
  if (head == "-") return true;
  std::string vowel = vowelOfCharacter(head);
  return !vowel.empty() && (head.size() == 1 || head == kanaVowel(vowel));
}

}  // namespace ruvo
