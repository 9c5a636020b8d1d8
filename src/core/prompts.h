#pragma once
// What the logic asks of the person at the screen: message boxes, yes/no
// questions and the one-line input box. The editor implements it with dialogs;
// tests implement it with scripted answers. Texts are UTF-8.

#include <optional>
#include <string>

namespace ruvo {

// The title of the message box that shows the description of a failure no
// command expected.
inline constexpr const char* kUnexpectedErrorTitle = "予期せぬエラー";

enum class MessageIcon { None, Information, Warning, Critical, Question };
enum class Answer { Ok, Yes, No, Cancel };

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A message box with an OK button.
  virtual void message(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // A question with Yes and No, and Cancel when `withCancel` is set.
  // Closing the box answers Cancel (No when there is no Cancel button).
  [[nodiscard]] virtual Answer ask(const std::string& text, const std::string& title, MessageIcon icon,
                                   bool withCancel) = 0;
  // The input box: empty when cancelled, else the text typed (which may be "").
  [[nodiscard]] virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                                         const std::string& initial) = 0;
};

}  // namespace ruvo
