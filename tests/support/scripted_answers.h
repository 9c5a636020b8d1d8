#pragma once
// Prompts and FileChooser answered from scripts: each records what it was
// shown or asked and answers from a queue. A question with an empty queue
// throws, so a test notices every question a command asks; a fake made
// with `lenient` answers it No, or as a cancelled dialog, instead.

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/file_chooser.h"
#include "core/prompts.h"

namespace ruvo::testing {

struct Lenient {};
inline constexpr Lenient lenient{};

// The next scripted answer; `fallback` when there is none and the fake is
// lenient.
template <typename T>
T pop(std::deque<T>& script, bool strict, T fallback, const char* what) {
  if (script.empty()) {
    if (strict) throw std::logic_error(std::string("no scripted answer for ") + what);
    return fallback;
  }
  T value = std::move(script.front());
  script.pop_front();
  return value;
}

class ScriptedPrompts final : public Prompts {
 public:
  ScriptedPrompts() = default;
  explicit ScriptedPrompts(Lenient) : m_strict(false) {}

  void message(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back(text);
    titles.push_back(title);
    icons.push_back(icon);
  }
  Answer ask(const std::string& text, const std::string&, MessageIcon, bool) override {
    questions.push_back(text);
    return pop(answers, m_strict, Answer::No, "ask");
  }
  std::optional<std::string> input(const std::string& prompt, const std::string&, const std::string&) override {
    questions.push_back(prompt);
    return pop(inputs, m_strict, std::optional<std::string>(), "input");
  }

  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> inputs;     // nullopt: the user cancels
  std::vector<std::string> messages, titles;         // what message() showed
  std::vector<MessageIcon> icons;
  std::vector<std::string> questions;                // what ask() and input() asked

 private:
  bool m_strict = true;
};

class ScriptedFileChooser final : public FileChooser {
 public:
  ScriptedFileChooser() = default;
  explicit ScriptedFileChooser(Lenient) : m_strict(false) {}

  std::optional<std::string> openFile(const FileDialogRequest& request) override { return next(request, "openFile"); }
  std::optional<std::string> saveFile(const FileDialogRequest& request) override { return next(request, "saveFile"); }
  std::optional<std::string> chooseFolder(const FileDialogRequest& request) override {
    return next(request, "chooseFolder");
  }

  std::vector<FileDialogRequest> requests;
  std::deque<std::optional<std::string>> paths;  // nullopt: the user cancels

 private:
  std::optional<std::string> next(const FileDialogRequest& request, const char* what) {
    requests.push_back(request);
    return pop(paths, m_strict, std::optional<std::string>(), what);
  }
  bool m_strict = true;
};

}  // namespace ruvo::testing
