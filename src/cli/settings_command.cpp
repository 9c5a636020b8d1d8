#include <iostream>

#include "cli/commands.h"
#include "cli/settings_json.h"

namespace ruvo::cli {

int runSettings(const ParsedArgs&, const CliContext& context) {
  std::cout << sessionSettingsJson(context.session).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
  return kExitOk;
}

}  // namespace ruvo::cli
