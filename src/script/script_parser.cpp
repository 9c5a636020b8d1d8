#include "script/script.h"

#include <optional>
#include <string_view>

#include "core/paths.h"

namespace ruvo::batch {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

Statement emptyBlock(int line) {
  Statement s;
  s.kind = Statement::Kind::Block;
  s.line = line;
  return s;
}

// Walks the lines of a script; a parenthesised block may continue on the
// following lines, so the cursor can move to the next line on request.
class Parser {
 public:
  explicit Parser(const std::vector<std::string>& lines) : m_lines(lines) {}

  std::vector<Statement> parseAll() {
    std::vector<Statement> result;
    for (; m_row < m_lines.size(); ++m_row) {
      m_col = 0;
      skipBlanks();
      if (!atLineEnd() && peek() == ')') {
        result.push_back(invalid("unmatched )"));
        continue;
      }
      if (auto statement = parseStatement(false)) result.push_back(std::move(*statement));
      skipBlanks();
      if (m_row < m_lines.size() && !atLineEnd()) result.push_back(invalid("unexpected text: " + restOfLine()));
    }
    return result;
  }

 private:
  const std::string& line() const { return m_lines[m_row]; }
  bool atLineEnd() const { return m_row >= m_lines.size() || m_col >= line().size(); }
  char peek() const { return line()[m_col]; }
  int lineNumber() const { return static_cast<int>(m_row) + 1; }

  void skipBlanks() {
    while (!atLineEnd() && isBlank(peek())) ++m_col;
  }

  std::string restOfLine() {
    std::string rest = atLineEnd() ? std::string() : line().substr(m_col);
    m_col = m_row < m_lines.size() ? line().size() : 0;
    return rest;
  }

  // An Invalid statement; the rest of the line is dropped so that parsing
  // can pick up again at the next line.
  Statement invalid(std::string message) {
    Statement s;
    s.kind = Statement::Kind::Invalid;
    s.line = lineNumber();
    s.text = std::move(message);
    restOfLine();
    return s;
  }

  // True when the text at the cursor is the keyword, followed by a blank,
  // a parenthesis or the line end.
  bool atKeyword(std::string_view keyword) const {
    if (atLineEnd() || line().size() - m_col < keyword.size()) return false;
    if (!equalsNoCase(std::string_view(line()).substr(m_col, keyword.size()), keyword)) return false;
    size_t after = m_col + keyword.size();
    return after == line().size() || isBlank(line()[after]) || line()[after] == '(' || line()[after] == ')';
  }

  // One operand: a run of characters up to a blank, in which double quotes
  // group blanks. Stops at an unquoted ')' inside a block, and at "==" when
  // asked to.
  std::string readOperand(bool inBlock, bool stopAtEquals) {
    std::string word;
    bool quoted = false;
    while (!atLineEnd()) {
      char c = peek();
      if (!quoted) {
        if (isBlank(c) || (inBlock && c == ')')) break;
        if (stopAtEquals && line().compare(m_col, 2, "==") == 0) break;
      }
      if (c == '"') quoted = !quoted;
      word += c;
      ++m_col;
    }
    return word;
  }

  std::optional<Statement> parseStatement(bool inBlock) {
    while (!atLineEnd() && (isBlank(peek()) || peek() == '@')) ++m_col;
    if (atLineEnd() || (inBlock && peek() == ')')) return std::nullopt;
    if (peek() == '(') return parseBlock();
    if (peek() == ':') {  // a label: nothing jumps to it here
      restOfLine();
      return std::nullopt;
    }
    if (atKeyword("rem")) {
      restOfLine();
      return std::nullopt;
    }
    if (atKeyword("if")) return parseIf(inBlock);
    Statement s;
    s.line = lineNumber();
    bool quoted = false;
    while (!atLineEnd()) {
      char c = peek();
      if (c == '"') quoted = !quoted;
      if (inBlock && !quoted && c == ')') break;
      s.text += c;
      ++m_col;
    }
    return s;
  }

  Statement parseBlock() {
    Statement block;
    block.kind = Statement::Kind::Block;
    block.line = lineNumber();
    ++m_col;  // '('
    for (;;) {
      skipBlanks();
      if (atLineEnd()) {
        if (m_row + 1 >= m_lines.size()) {
          Statement s;
          s.kind = Statement::Kind::Invalid;
          s.line = block.line;
          s.text = "missing ) for the ( of this line";
          m_col = line().size();
          return s;
        }
        ++m_row;
        m_col = 0;
        continue;
      }
      if (peek() == ')') {
        ++m_col;
        return block;
      }
      if (auto statement = parseStatement(true)) block.body.push_back(std::move(*statement));
    }
  }

  Statement parseIf(bool inBlock) {
    Statement s;
    s.line = lineNumber();
    m_col += 2;
    skipBlanks();
    if (atKeyword("/i")) {
      s.ignoreCase = true;
      m_col += 2;
      skipBlanks();
    }
    if (atKeyword("not")) {
      s.negate = true;
      m_col += 3;
      skipBlanks();
    }
    if (atKeyword("exist")) {
      m_col += 5;
      skipBlanks();
      s.kind = Statement::Kind::IfExist;
      s.text = readOperand(inBlock, false);
      if (s.text.empty()) return invalid("if exist without a path");
    } else {
      s.kind = Statement::Kind::IfEqual;
      s.text = readOperand(inBlock, true);
      skipBlanks();
      if (atLineEnd() || line().compare(m_col, 2, "==") != 0) return invalid("if without == or exist");
      m_col += 2;
      skipBlanks();
      s.right = readOperand(inBlock, false);
      if (s.text.empty() || s.right.empty()) return invalid("if with an empty operand");
    }
    skipBlanks();
    if (atLineEnd() || (inBlock && peek() == ')')) return invalid("if without a command");
    bool thenIsBlock = peek() == '(';
    s.body.push_back(parseStatement(inBlock).value_or(emptyBlock(s.line)));
    if (s.body.front().kind == Statement::Kind::Invalid) return s.body.front();
    if (!thenIsBlock) return s;
    skipBlanks();
    if (!atKeyword("else")) return s;
    m_col += 4;
    skipBlanks();
    if (atLineEnd() || (inBlock && peek() == ')')) return invalid("else without a command");
    s.body.push_back(parseStatement(inBlock).value_or(emptyBlock(s.line)));
    return s;
  }

  const std::vector<std::string>& m_lines;
  size_t m_row = 0;
  size_t m_col = 0;
};

bool isCall(const std::string& text) {
  size_t start = text.find_first_not_of(" \t@");
  if (start == std::string::npos || text.size() - start < 4) return false;
  return equalsNoCase(std::string_view(text).substr(start, 4), "call") &&
         (text.size() == start + 4 || isBlank(text[start + 4]));
}

}  // namespace

Script parseScript(std::string name, const std::vector<std::string>& lines) {
  return Script{std::move(name), Parser(lines).parseAll()};
}

int countCalls(const std::vector<Statement>& statements) {
  int count = 0;
  for (const Statement& s : statements) {
    if (s.kind == Statement::Kind::Command && isCall(s.text)) ++count;
    count += countCalls(s.body);
  }
  return count;
}

}  // namespace ruvo::batch
