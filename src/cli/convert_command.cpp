#include <iostream>

#include "cli/commands.h"
#include "cli/open_document.h"
#include "project/document_io.h"

namespace ruvo::cli {

int runConvert(const ParsedArgs& args, const CliContext& context) {
  auto document = openFromArgs(args, context);
  if (!document) return reportError(document.error());
  SaveOptions saveOptions{context.workingFolder, context.cacheEnable};
  auto saved = saveDocumentAs(document->song, document->tables, absolutePath(args.positionals[1]), saveOptions,
                              context.programFolder);
  warnAboutTables(document->tables);
  if (!saved) return reportError(saved.error());
  std::cout << *saved << '\n';
  return kExitOk;
}

}  // namespace ruvo::cli
