#include <iostream>

#include "cli/commands.h"
#include "cli/track_choice.h"
#include "editor/document_io.h"

namespace ruvo::cli {

int runConvert(const ParsedArgs& args, const CliContext& context) {
  Song song;
  VoiceBankTables tables;
  OpenOptions openOptions;
  openOptions.defaults = context.defaults;
  if (auto folder = args.value("--voice-folder")) openOptions.defaults.voiceFolder = *folder;
  auto choice = TrackChoice::fromArgs(args);
  if (!choice) return reportError(choice.error());
  openOptions.chooseTrack = choice->chooser();
  if (auto loaded = loadDocument(song, tables, args.positionals[0], openOptions); !loaded)
    return reportError(loaded.error());
  if (auto missing = choice->missingTrack(args.positionals[0])) return reportError(*missing);
  SaveOptions saveOptions{context.workingFolder, context.cacheEnable};
  auto saved = saveDocumentAs(song, tables, args.positionals[1], saveOptions, context.programFolder);
  if (!saved) return reportError(saved.error());
  std::cout << *saved << '\n';
  return kExitOk;
}

}  // namespace ruvo::cli
