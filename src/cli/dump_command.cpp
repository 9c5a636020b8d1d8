#include <iostream>

#include "cli/commands.h"
#include "cli/song_json.h"
#include "editor/document_io.h"

namespace ruvo::cli {

int runDump(const ParsedArgs& args, const CliContext& context) {
  Song song;
  VoiceBankTables tables;
  OpenOptions options{context.defaults};
  if (auto folder = args.value("--voice-folder")) options.defaults.voiceFolder = *folder;
  if (auto loaded = loadDocument(song, tables, args.positionals[0], options); !loaded)
    return reportError(loaded.error());
  std::cout << songToJson(song).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  return kExitOk;
}

}  // namespace ruvo::cli
