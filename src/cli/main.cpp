// ruvo-cli: reads, converts and renders projects from a terminal or a script.

#include <filesystem>
#include <iostream>

#include "cli/commands.h"

namespace {

constexpr const char* kUsage = R"(usage: ruvo-cli COMMAND [ARGS] [OPTIONS]

Commands:
  dump FILE          Load FILE as the editor opens it (after clearing the song)
                     and print the project and its notes as one JSON object:
                     projectName, projectPath, tempo (the tempo box text),
                     voiceFolder, joinerPath, resamplerPath, outputFile,
                     cacheDir, projectFlags and notes [{lyric, length (ticks),
                     noteNumber (36 = C4), props (the six-field record)}].
  convert IN OUT     Load IN and save it as OUT. OUT is saved as a project
                     batch file (".bat" appended when missing) with its helper
                     batch beside it; prints the path written.

Options:
  --voice-folder DIR (dump, convert) the voice folder in force before the file
                     is read: its prefix.map takes prefixes off the lyrics.
  --no-cache         (convert) write the form that keeps no cache of
                     resampled notes.
  --help             show this text.

Exit status: 0 success; 1 the work failed; 2 a usage error or a missing or
unreadable file. Errors are one line on stderr.
)";

const std::vector<ruvo::cli::CommandSpec> kCommands = {
    {"dump", 1, {"--voice-folder"}, {}},
    {"convert", 2, {"--voice-folder"}, {"--no-cache"}},
};

std::string programFolder(const char* argv0) {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::absolute(argv0, ec);
  return exe.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ruvo::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  for (const auto& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
  }
  auto parsed = parseArgs(args, kCommands);
  if (!parsed) return reportError(parsed.error());

  CliContext context;
  context.programFolder = programFolder(argv[0]);
  context.workingFolder = (std::filesystem::temp_directory_path() / "ruvo").string();
  context.defaults = {"", context.programFolder + "/splicer", context.programFolder + "/resampler"};

  if (parsed->command == "dump") return runDump(*parsed, context);
  return runConvert(*parsed, context);
}
