// ruvo-cli: reads, converts and renders projects from a terminal or a script.

#include <iostream>

#include "cli/commands.h"
#include "core/program_info.h"

namespace {

constexpr const char* kUsage = R"(usage: ruvo-cli COMMAND [ARGS] [OPTIONS]

Commands:
  dump FILE          Load FILE as the editor opens it (after clearing the song)
                     and print the project and its notes as one JSON object:
                     projectName, projectPath, tempo (the tempo box text),
                     voiceFolder, joinerPath, resamplerPath, outputFile,
                     cacheDir, projectFlags and notes [{lyric, length (ticks),
                     noteNumber (36 = C4), props (the six-field record)}].
                     FILE is a project batch (.bat), a sequence file (.wsq),
                     or a MIDI (.mid, .smf) or VSQ (.vsq) file, imported as
                     the Import command does (see --track).
  convert IN OUT     Load IN (as dump does) and save it as OUT, in the form
                     OUT's extension names: ".wsq" a sequence file, ".vsq" a
                     VSQ file, ".mid" a MIDI file for a tone module (tone map
                     songtm.cfg from the program folder); any other name a
                     project batch file (".bat" appended when missing) with
                     its helper batch beside it. Prints the path written.
  render FILE        Render FILE to WAV as the editor's whole-project render
                     does: save it as its batch file (a .bat project is
                     rewritten in place), run the batch with ruvo-batch in the
                     batch's folder, and print "PATH を作成しました。" when the
                     output exists. With --select, render only those notes to
                     temp.wav in the working folder and print its path.
                     Failure prints the render's failure message on stderr.
                     A progress bar shows on stderr when it is a terminal.
                     With the cache on, the notes to resample are made first,
                     several at a time (--jobs), then the batch joins them.
  settings           Print the settings every command works with as one JSON
                     object: each field of the settings record (OtoList,
                     CacheEnable, ..., TransformTitle, colours), the settings
                     file (settingsFile, settingsFileExisted), programFolder
                     and the working folder tempDir.
  bank check FOLDER  Read the voice folder FOLDER as a render reads it and
                     print the encoding of its oto.ini (UTF-8, UTF-8 with
                     byte-order mark or CP932), the number of entries, the
                     kind (VCV when a quarter or more of the aliases read
                     "- X" or "v X" with v a vowel or n, else CV), the
                     encoding of prefix.map, its suffixes, and one line per
                     problem: an oto.ini line that is refused, a recording
                     that is missing, unreadable or not 16-bit PCM, an alias
                     given twice, an entry whose regions lie outside its
                     recording. Exits 0 without problems, 1 with any.

Every command starts as the editor does: it reads the editor's settings file
(setting.ini in the program folder when that folder is writable, else
$XDG_CONFIG_HOME/ruvo/setting.ini) with the editor's defaults for a first
run. The song is cleared to the first registered voice bank and the tool
paths of the settings; the cache of resampled notes is used as CacheEnable
says.

Options:
  --voice-folder DIR (dump, convert, render) the voice folder in force before
                     the file is read: its prefix.map takes prefixes off the
                     lyrics. render also renders with this voice bank in place
                     of the one the project names.
  --track N          (dump, convert) the track to import, from 1: required
                     for .mid and .smf files and for VSQ files of three or
                     more tracks (a VSQ of two tracks reads track 2).
  --trace FILE       (dump, convert) write the trace of the MIDI data entries
                     read from a .mid or .smf file to FILE (by default no
                     trace is written).
  --no-cache         (convert, render) write the form that keeps no cache of
                     resampled notes, whatever the settings say.
  -o OUTPUT          (render) the output WAV in place of the project's;
                     relative to the project folder, ".wav" appended.
  --select FIRST:LAST (render) render notes FIRST to LAST (0-based, either
                     order) to temp.wav in the working folder.
  --jobs N           (render) resample N notes at a time, each in its own
                     resampler process (1 to 64). Default: the number the
                     editor's options keep in ruvo_settings.txt beside the
                     settings file, else the number of cores. The output is
                     the same for every N.
  --quiet            (render) no progress bar.
  --trust-tools      (render) start the joiner and resampler the project names
                     even when you have not chosen them. Without it a render
                     starts only the configured tools (Tool1Path, Tool2Path of
                     the settings), the program folder's splicer and
                     resampler, and programs trusted before (listed in
                     trusted_programs.txt beside the settings file); any other
                     program is named and the render exits 1 without running.
  --use-configured-tools (render) render with the configured joiner and
                     resampler in place of the ones the project names.
  --settings FILE    (every command) read FILE in place of the editor's
                     settings file. It is only read, never written.
  --json             (bank check) print the report as one JSON object:
                     encoding, entries, kind, prefixMapEncoding, suffixes
                     and problems [{line (0 for the folder), message}].
  --help             show this text.
  --version          show the version.

A render whose output was written but some of whose notes were not (their
resampler wrote nothing) names those notes in a warning and exits 1.

A prefix.map that exists but cannot be read is reported by a warning line on
stderr; the project is then read and written without prefixes.

Exit status: 0 success; 1 the work failed (a file that is not valid prints
"ファイル形式が正しくありません。"); 2 a usage error or a missing or
unreadable file. Errors are one line on stderr.
)";

const std::vector<ruvo::cli::CommandSpec> kCommands = {
    {"dump", 1, {"--voice-folder", "--settings", "--track", "--trace"}, {}},
    {"convert", 2, {"--voice-folder", "--settings", "--track", "--trace"}, {"--no-cache"}},
    {"render", 1, {"-o", "--select", "--voice-folder", "--settings", "--jobs"},
     {"--no-cache", "--trust-tools", "--use-configured-tools", "--quiet"}},
    {"settings", 0, {"--settings"}, {}},
    {"bank", 2, {"--settings"}, {"--json"}},
};

}  // namespace

int main(int argc, char** argv) {
  using namespace ruvo::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (auto answered = ruvo::answerInfoRequest(args, "ruvo-cli", kUsage, std::cout)) return *answered;
  for (const auto& arg : args) {
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return kExitOk;
    }
  }
  auto parsed = parseArgs(args, kCommands);
  if (!parsed) return reportError(parsed.error());

  auto context = makeContext(*parsed);
  if (!context) return reportError(context.error());

  if (parsed->command == "dump") return runDump(*parsed, *context);
  if (parsed->command == "render") return runRender(*parsed, *context);
  if (parsed->command == "settings") return runSettings(*parsed, *context);
  if (parsed->command == "bank") return runBank(*parsed, *context);
  return runConvert(*parsed, *context);
}
