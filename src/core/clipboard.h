#pragma once
// The system clipboard holding plain text (UTF-8). The editor implements it
// with the system clipboard; tests with a string.

#include <string>

namespace ruvo {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  [[nodiscard]] virtual std::string text() const = 0;
  virtual void setText(const std::string& text) = 0;
};

}  // namespace ruvo
