#include <iostream>

#include "cli/commands.h"

namespace ruvo::cli {

int runSettings(const ParsedArgs&, const CliContext& context) {
  std::cout << sessionSettingsJson(context.session) << '\n';
  return kExitOk;
}

}  // namespace ruvo::cli
