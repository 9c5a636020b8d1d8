#include <iostream>

#include "cli/commands.h"
#include "editor/document_io.h"

namespace ruvo::cli {

int runConvert(const ParsedArgs& args, const CliContext& context) {
  Song song;
  VoiceBankTables tables;
  OpenOptions openOptions{context.defaults};
  if (auto folder = args.value("--voice-folder")) openOptions.defaults.voiceFolder = *folder;
  if (auto loaded = loadDocument(song, tables, args.positionals[0], openOptions); !loaded)
    return reportError(loaded.error());
  SaveOptions saveOptions{context.workingFolder, context.cacheEnable};
  auto saved = saveDocumentAs(song, tables, args.positionals[1], saveOptions);
  if (!saved) return reportError(saved.error());
  std::cout << *saved << '\n';
  return kExitOk;
}

}  // namespace ruvo::cli
