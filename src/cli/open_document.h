#pragma once
// Opening the FILE argument as dump, convert and render all do: from a song
// cleared to the settings' defaults, with --voice-folder in force before the
// file is read and --track answering the import's question.

#include <string>

#include "cli/cli_args.h"
#include "cli/cli_context.h"
#include "song/song_model.h"
#include "voicebank/voice_bank.h"

namespace ruvo::cli {

struct OpenedDocument {
  Song song;
  VoiceBankTables tables;
};

[[nodiscard]] Result<OpenedDocument> openFromArgs(const ParsedArgs& args, const CliContext& context);

// Prints a warning line on stderr for what went wrong with the voice bank's
// tables while the project was loaded or saved (an unreadable prefix.map).
void warnAboutTables(const VoiceBankTables& tables);

// A path given on the command line, made absolute against the current
// folder, since the render scripts run in their own folder.
std::string absolutePath(const std::string& path);

}  // namespace ruvo::cli
