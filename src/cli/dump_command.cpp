#include <iostream>

#include "cli/commands.h"
#include "cli/open_document.h"
#include "cli/song_json.h"

namespace ruvo::cli {

int runDump(const ParsedArgs& args, const CliContext& context) {
  auto document = openFromArgs(args, context);
  if (!document) return reportError(document.error());
  warnAboutTables(document->tables);
  std::cout << songToJson(document->song).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  return kExitOk;
}

}  // namespace ruvo::cli
