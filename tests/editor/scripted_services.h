#pragma once
// The editor's service interfaces answered from scripts: each question pops
// the next scripted answer and is recorded, so a test both steers a command
// and checks what it asked.

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/file_chooser.h"
#include "core/prompts.h"
#include "editor/project_session.h"

namespace ruvo::testing {

template <typename T>
T pop(std::deque<T>& script, const char* what) {
  if (script.empty()) throw std::logic_error(std::string("no scripted answer for ") + what);
  T value = script.front();
  script.pop_front();
  return value;
}

// Unlike testing::ScriptedPrompts (support/scripted_answers.h), a question
// without a scripted answer throws, so a test notices every question asked.
class StrictPrompts final : public Prompts {
 public:
  void message(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.push_back(text);
    titles.push_back(title);
    icons.push_back(icon);
  }
  Answer ask(const std::string& text, const std::string&, MessageIcon, bool) override {
    questions.push_back(text);
    return pop(answers, "ask");
  }
  std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override {
    return pop(inputs, "input");
  }
  std::deque<Answer> answers;
  std::deque<std::optional<std::string>> inputs;
  std::vector<std::string> messages, titles, questions;
  std::vector<MessageIcon> icons;
};

class ScriptedFiles final : public FileChooser {
 public:
  std::optional<std::string> openFile(const FileDialogRequest& request) override {
    requests.push_back(request);
    return pop(paths, "openFile");
  }
  std::optional<std::string> saveFile(const FileDialogRequest& request) override {
    requests.push_back(request);
    return pop(paths, "saveFile");
  }
  std::optional<std::string> chooseFolder(const FileDialogRequest& request) override {
    requests.push_back(request);
    return pop(paths, "chooseFolder");
  }
  std::deque<std::optional<std::string>> paths;
  std::vector<FileDialogRequest> requests;
};

class ScriptedDialogs final : public ProjectDialogs {
 public:
  std::optional<ProjectProperties> editProject(const ProjectProperties& properties) override {
    shownFields.push_back(properties);
    return pop(projects, "editProject");
  }
  int selectTrack(const std::vector<std::string>& trackList, const std::vector<int>& sungNotes) override {
    trackLists.push_back(trackList);
    sungNoteLists.push_back(sungNotes);
    return pop(tracks, "selectTrack");
  }
  std::deque<std::optional<ProjectProperties>> projects;
  std::deque<int> tracks;
  std::vector<ProjectProperties> shownFields;
  std::vector<std::vector<std::string>> trackLists;
  std::vector<std::vector<int>> sungNoteLists;
};

}  // namespace ruvo::testing
