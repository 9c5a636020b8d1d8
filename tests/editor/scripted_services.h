#pragma once
// The editor's project dialogs answered from scripts, beside the prompts and
// file chooser of support/scripted_answers.h: each question pops the next
// scripted answer and is recorded, so a test both steers a command and
// checks what it asked.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "editor/project_session.h"
#include "support/scripted_answers.h"

namespace ruvo::testing {

class ScriptedDialogs final : public ProjectDialogs {
 public:
  std::optional<ProjectProperties> editProject(const ProjectProperties& properties) override {
    shownFields.push_back(properties);
    return pop(projects, true, std::optional<ProjectProperties>(), "editProject");
  }
  int selectTrack(const std::vector<std::string>& trackList, const std::vector<int>& sungNotes) override {
    trackLists.push_back(trackList);
    sungNoteLists.push_back(sungNotes);
    return pop(tracks, true, 0, "selectTrack");
  }
  std::deque<std::optional<ProjectProperties>> projects;
  std::deque<int> tracks;
  std::vector<ProjectProperties> shownFields;
  std::vector<std::vector<std::string>> trackLists;
  std::vector<std::vector<int>> sungNoteLists;
};

}  // namespace ruvo::testing
