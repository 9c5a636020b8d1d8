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
  render FILE        Render FILE to WAV as the editor's whole-project render
                     does: save it as its batch file (a .bat project is
                     rewritten in place), run the batch with ruvo-batch in the
                     batch's folder, and print "PATH を作成しました。" when the
                     output exists. With --select, render only those notes to
                     temp.wav in the working folder and print its path.
                     Failure prints the render's failure message on stderr.
                     A progress bar shows on stderr when it is a terminal.

Options:
  --voice-folder DIR (dump, convert, render) the voice folder in force before
                     the file is read: its prefix.map takes prefixes off the
                     lyrics. render also renders with this voice bank in place
                     of the one the project names.
  --no-cache         (convert, render) write the form that keeps no cache of
                     resampled notes.
  -o OUTPUT          (render) the output WAV in place of the project's;
                     relative to the project folder, ".wav" appended.
  --select FIRST:LAST (render) render notes FIRST to LAST (0-based, either
                     order) to temp.wav in the working folder.
  --help             show this text.

Exit status: 0 success; 1 the work failed; 2 a usage error or a missing or
unreadable file. Errors are one line on stderr.
)";

const std::vector<ruvo::cli::CommandSpec> kCommands = {
    {"dump", 1, {"--voice-folder"}, {}},
    {"convert", 2, {"--voice-folder"}, {"--no-cache"}},
    {"render", 1, {"-o", "--select", "--voice-folder"}, {"--no-cache"}},
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
  context.cacheEnable = !parsed->has("--no-cache");

  if (parsed->command == "dump") return runDump(*parsed, context);
  if (parsed->command == "render") return runRender(*parsed, context);
  return runConvert(*parsed, context);
}
