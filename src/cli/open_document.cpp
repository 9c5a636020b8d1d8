#include "cli/open_document.h"

#include <filesystem>
#include <iostream>

#include "cli/track_choice.h"
#include "project/document_io.h"

namespace ruvo::cli {

std::string absolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code ec;
  auto absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

void warnAboutTables(const VoiceBankTables& tables) {
  for (const auto& warning : tables.oto.warnings()) std::cerr << "ruvo-cli: warning: " << warning << '\n';
  if (const auto& error = tables.prefix.loadError())
    std::cerr << "ruvo-cli: warning: no prefixes applied: " << error->message << '\n';
}

Result<OpenedDocument> openFromArgs(const ParsedArgs& args, const CliContext& context) {
  OpenedDocument document;
  OpenOptions options;
  options.defaults = context.defaults;
  if (auto folder = args.value("--voice-folder")) options.defaults.voiceFolder = absolutePath(*folder);
  auto choice = TrackChoice::fromArgs(args);
  if (!choice) return tl::unexpected(choice.error());
  options.chooseTrack = choice->chooser();
  // Reading a file leaves nothing behind: the MIDI trace is written only
  // where --trace asks for it.
  options.tracePath = args.value("--trace") ? absolutePath(*args.value("--trace")) : std::string();
  std::string path = absolutePath(args.positionals[0]);
  if (auto loaded = loadDocument(document.song, document.tables, path, options); !loaded)
    return tl::unexpected(loaded.error());
  if (auto missing = choice->missingTrack(path)) return tl::unexpected(*missing);
  return document;
}

}  // namespace ruvo::cli
