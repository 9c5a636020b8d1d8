#include "editor/lyric_phrase.h"

#include <array>
#include <utility>

#include "core/numbers.h"
#include "editor/text_characters.h"
#include "song/note_name.h"

namespace ruvo {

namespace {

constexpr int kStartNoteNumber = 36;  // C4

// "/L" number to ticks.
constexpr std::array<std::pair<int, int>, 10> kLengthCommands{
    {{1, 7680}, {2, 3840}, {3, 2560}, {4, 1920}, {6, 1280}, {8, 960}, {12, 640}, {16, 480}, {24, 320}, {32, 240}}};

bool isDigit(std::string_view c) { return c.size() == 1 && c[0] >= '0' && c[0] <= '9'; }
bool isBlank(std::string_view c) { return c == " " || c == "\t" || c == "\r" || c == "\n"; }
bool isNoteLetter(std::string_view c) { return c.size() == 1 && c[0] >= 'A' && c[0] <= 'G'; }

class PhraseParser {
 public:
  PhraseParser(std::string_view phrase, int length) : m_chars(splitCharacters(phrase)), m_length(length) {}

  std::vector<PhraseNote> run() {
    while (m_at < m_chars.size()) {
      if (at(0) == "/" && has(1)) {
        command();
      } else if (isBlank(at(0))) {
        ++m_at;
      } else {
        m_notes.push_back(PhraseNote{lyric(), m_length, m_noteNumber});
      }
    }
    return std::move(m_notes);
  }

 private:
  bool has(size_t ahead) const { return m_at + ahead < m_chars.size(); }
  const std::string& at(size_t ahead) const { return m_chars[m_at + ahead]; }

  // At a "/" that is not the last character: consumes the command.
  void command() {
    const std::string& x = at(1);
    if (x == "L" && has(2)) {
      std::string number = at(2);
      size_t used = 3;
      if (has(3) && isDigit(at(3))) number += at(used++);
      setLength(leadingNumber(number));
      m_at += used;
    } else if (isNoteLetter(x) && has(2)) {
      std::string name = x;
      size_t next = 2;
      if (at(2) == "b" || at(2) == "#") name += at(next++);
      if (has(next)) {
        const std::string& octave = at(next++);
        if (isDigit(octave)) setNoteNumber(name + octave);
      }
      m_at += next;
    } else {
      m_at += 2;
    }
  }

  void setLength(double number) {
    for (auto [command, ticks] : kLengthCommands) {
      if (number == command) m_length = ticks;
    }
  }

  void setNoteNumber(const std::string& name) {
    int number = noteNumberOf(name);
    if (number >= 0) m_noteNumber = number;
  }

  // The lyric at the current character, consumed.
  std::string lyric() {
    std::string text = at(0);
    if (text == "\"" && has(1)) {
      std::string word;
      for (++m_at; m_at < m_chars.size() && at(0) != "\""; ++m_at) word += at(0);
      if (m_at < m_chars.size()) ++m_at;  // the closing mark
      return word;
    }
    if (has(1) && isSmallKana(at(1))) {
      text += at(1);
      m_at += 2;
      return text;
    }
    ++m_at;
    return text;
  }

  std::vector<std::string> m_chars;
  size_t m_at = 0;
  int m_length;
  int m_noteNumber = kStartNoteNumber;
  std::vector<PhraseNote> m_notes;
};

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  size_t start = 0;
  for (size_t pos; (pos = text.find(from, start)) != std::string_view::npos; start = pos + from.size()) {
    result.append(text.substr(start, pos - start)).append(to);
  }
  return result.append(text.substr(start));
}

}  // namespace

std::vector<PhraseNote> parsePhrase(std::string_view phrase, int length) {
  return PhraseParser(phrase, length).run();
}

std::string phraseToLines(std::string_view phrase) { return replaceAll(phrase, " ", "\n"); }

std::string linesToPhrase(std::string_view text) {
  return replaceAll(replaceAll(replaceAll(text, "\r\n", " "), "\n", " "), "\r", " ");
}

}  // namespace ruvo
