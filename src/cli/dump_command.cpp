#include <iostream>

#include "cli/commands.h"
#include "cli/track_choice.h"
#include "cli/song_json.h"
#include "editor/document_io.h"

namespace ruvo::cli {

int runDump(const ParsedArgs& args, const CliContext& context) {
  Song song;
  VoiceBankTables tables;
  OpenOptions options;
  options.defaults = context.defaults;
  if (auto folder = args.value("--voice-folder")) options.defaults.voiceFolder = *folder;
  auto choice = TrackChoice::fromArgs(args);
  if (!choice) return reportError(choice.error());
  options.chooseTrack = choice->chooser();
  if (auto loaded = loadDocument(song, tables, args.positionals[0], options); !loaded)
    return reportError(loaded.error());
  if (auto missing = choice->missingTrack(args.positionals[0])) return reportError(*missing);
  std::cout << songToJson(song).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  return kExitOk;
}

}  // namespace ruvo::cli
