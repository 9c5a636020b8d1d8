#pragma once
// The one catch-all of the editor's commands and dialogs: an unexpected
// failure is shown in a message box titled "予期せぬエラー" instead of ending
// the program. With the DebugMode setting on, failures are not caught, so a
// debugger stops where they happen.

#include <functional>

#include "core/prompts.h"

namespace ruvo::gui {

// Runs `command`; returns false when it failed and the failure was shown, so
// the caller can bring its view back in line with what the command left.
bool runGuarded(bool debugMode, Prompts& prompts, const std::function<void()>& command);

}  // namespace ruvo::gui
