#include "interchange/vsq_phonetic.h"

#include <array>

#include "song/song_model.h"

namespace ruvo {

namespace {

// Each kana with its two symbol characters.
constexpr std::string_view kKana =
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"
    "まみむめもやゆよらりるれろわんぁぃぅぇぉゃゅょっ"
    "ぱぴぷぺぽがぎぐげござじずぜぞだぢづでどばびぶべぼをヴ";
constexpr std::string_view kSymbols =
    " a i u e okakikukekosasisusesotatitutetonaninunenohahihuheho"
    "mamimumemoyayuyorarirurerowa nlaliluleloYaYuYoTu"
    "papipupepogagigugegozazizuzezodadidudedobabibubebowovu";

size_t utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// Index of the kana in the table, or npos.
size_t kanaIndex(std::string_view character) {
  size_t index = 0;
  for (size_t pos = 0; pos < kKana.size(); ++index) {
    size_t length = utf8Length(static_cast<unsigned char>(kKana[pos]));
    if (kKana.substr(pos, length) == character) return index;
    pos += length;
  }
  return std::string_view::npos;
}

}  // namespace

std::string phoneticSymbols(std::string_view lyric) {
  std::string symbols;
  for (size_t pos = 0; pos < lyric.size();) {
    size_t length = utf8Length(static_cast<unsigned char>(lyric[pos]));
    size_t index = kanaIndex(lyric.substr(pos, length));
    pos += length;
    if (index == std::string_view::npos) continue;
    symbols = {kSymbols[index * 2], ' ', kSymbols[index * 2 + 1], ' '};
    break;
  }
  constexpr std::array<std::pair<char, char>, 7> kReplacements = {
      {{'r', '4'}, {'l', '4'}, {'u', 'M'}, {'y', 'j'}, {'Y', 'j'}, {'z', 'Z'}, {'T', 't'}}};
  for (auto [from, to] : kReplacements)
    for (char& c : symbols)
      if (c == from) c = to;
  std::string collapsed;
  for (char c : symbols)
    if (!(c == ' ' && !collapsed.empty() && collapsed.back() == ' ')) collapsed += c;
  return trimSpaces(collapsed);
}

}  // namespace ruvo
