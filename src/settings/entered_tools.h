#pragma once
// A tool path the user picks or types in a dialog (the default tools of the
// options, a project's joiner and resampler) is trusted by that act: it goes
// into the trusted-programs file, so renders may start it from then on.
// A path left as the dialog showed it is not an act of the user: a project
// from someone else keeps its tools untrusted when only its name is edited.

#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo {

// The message shown when the choice could not be remembered; the error's
// own text follows on the next line.
inline constexpr const char* kToolNotTrustedText =
    "選んだプログラムを信頼するプログラムの一覧に記録できませんでした。";

struct EnteredTool {
  std::string before;  // the box when the dialog opened
  std::string after;   // the box as confirmed
};

// The programs the confirmed boxes name anew: each changed, non-empty path
// that is absolute (backslashes read as separators, "." and ".." resolved).
// A relative path names a different program in every project folder the
// batch runs in, so it is never remembered.
std::vector<std::string> enteredPrograms(const std::vector<EnteredTool>& tools);

// Adds the entered programs to the trusted-programs `file` and writes it
// (nothing is read or written when there are none). A damaged file is an
// error and stays as it was: nothing is trusted from it or added to it.
[[nodiscard]] Result<void> trustEnteredTools(const std::string& file, const std::vector<EnteredTool>& tools);

}  // namespace ruvo
