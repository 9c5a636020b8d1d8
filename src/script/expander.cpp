#include "script/expander.h"

namespace ruvo::batch {

std::string expandPercent(std::string_view text, const Variables& variables, const std::vector<std::string>& arguments) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    char c = text[i];
    if (c != '%') {
      out += c;
      ++i;
      continue;
    }
    char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (next == '%') {
      out += '%';
      i += 2;
    } else if (next >= '0' && next <= '9') {
      size_t index = static_cast<size_t>(next - '0');
      if (index < arguments.size()) out += arguments[index];
      i += 2;
    } else if (next == '*') {
      for (size_t a = 1; a < arguments.size(); ++a) {
        if (a > 1) out += ' ';
        out += arguments[a];
      }
      i += 2;
    } else {
      size_t close = text.find('%', i + 1);
      if (close == std::string_view::npos) {
        ++i;
        continue;
      }
      if (const std::string* value = variables.find(text.substr(i + 1, close - i - 1))) out += *value;
      i = close + 1;
    }
  }
  return out;
}

}  // namespace ruvo::batch
