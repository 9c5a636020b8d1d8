#pragma once
// Prompts and FileChooser with scripted answers: each records what it was
// shown or asked, and answers from a queue (an empty queue answers Ok, No,
// or a cancelled dialog).

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/file_chooser.h"
#include "core/prompts.h"

namespace ruvo::testing {

struct ShownMessage {
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::None;
};

class ScriptedPrompts final : public Prompts {
 public:
  void message(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back({text, title, icon});
  }
  Answer ask(const std::string& text, const std::string& title, MessageIcon icon, bool) override {
    messages.push_back({text, title, icon});
    if (answers.empty()) return Answer::No;
    Answer next = answers.front();
    answers.pop_front();
    return next;
  }
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string&) override {
    messages.push_back({prompt, title, MessageIcon::None});
    if (inputs.empty()) return std::nullopt;
    auto next = inputs.front();
    inputs.pop_front();
    return next;
  }

  std::vector<ShownMessage> messages;
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> inputs;
};

class ScriptedFileChooser final : public FileChooser {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& request) override { return next(request); }
  std::optional<std::string> saveFile(const FileDialogRequest& request) override { return next(request); }
  std::optional<std::string> chooseFolder(const FileDialogRequest& request) override { return next(request); }

  std::vector<FileDialogRequest> requests;
  std::deque<std::optional<std::string>> paths;  // nullopt: the user cancels

 private:
  std::optional<std::string> next(const FileDialogRequest& request) {
    requests.push_back(request);
    if (paths.empty()) return std::nullopt;
    auto path = paths.front();
    paths.pop_front();
    return path;
  }
};

}  // namespace ruvo::testing
