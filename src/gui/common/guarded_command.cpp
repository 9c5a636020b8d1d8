#include "gui/common/guarded_command.h"

#include <exception>
#include <string>

namespace ruvo::gui {

bool runGuarded(bool debugMode, Prompts& prompts, const std::function<void()>& command) {
  if (debugMode) {
    command();
    return true;
  }
  try {
    command();
    return true;
  } catch (const std::exception& failure) {
    prompts.message(failure.what(), std::string(kUnexpectedErrorTitle), MessageIcon::Critical);
    return false;
  }
}

}  // namespace ruvo::gui
