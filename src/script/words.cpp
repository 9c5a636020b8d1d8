#include "script/words.h"

#include "core/paths.h"

namespace ruvo::batch {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A quote opens a group only when a partner follows it.
bool opensGroup(std::string_view text, size_t at) { return text.find('"', at + 1) != std::string_view::npos; }
}  // namespace

std::vector<std::string> splitWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (!quoted && isBlank(c)) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
      continue;
    }
    if (c == '"' && (quoted || opensGroup(text, i))) quoted = !quoted;
    word += c;
    inWord = true;
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::string unquote(std::string_view word) {
  std::string out;
  bool quoted = false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (word[i] == '"' && (quoted || opensGroup(word, i))) {
      quoted = !quoted;
      continue;
    }
    out += word[i];
  }
  return out;
}

std::string pathOperand(std::string_view word) { return nativePath(unquote(word)); }

std::string resolveOperand(std::string_view folder, std::string_view word) { return resolvePath(folder, unquote(word)); }

}  // namespace ruvo::batch
