#include "interchange/sequence_document.h"

#include "core/numbers.h"
#include "core/paths.h"
#include "core/text_file.h"
#include "interchange/sequence_reader.h"
#include "interchange/sequence_writer.h"
#include "interchange/tone_map.h"
#include "interchange/vsq_writer.h"

namespace ruvo {

std::vector<std::string> sequenceHeaderLines(const Song& song) {
  return {"@rem project=" + song.projectName, "@set tempo=" + song.tempoText, "@set oto=" + song.voiceFolder,
          "@set tool=" + song.joinerPath,     "@set resamp=" + song.resamplerPath, "@set output=" + song.outputFile,
          "@set flag=" + song.projectFlags,   "@set env=5 35"};
}

void applySequenceHeader(Song& song, const std::vector<std::string>& lines) {
  auto value = [](const std::string& line, std::string_view key, std::string& into) {
    if (!line.starts_with(key)) return false;
    into = line.substr(key.size());
    return true;
  };
  std::string tempo;
  for (const auto& line : lines) {
    if (value(line, "@set tempo=", tempo) || value(line, "@rem tempo=", tempo)) {
      song.tempoText = shortestFloat(static_cast<float>(leadingNumber(tempo)));
      continue;
    }
    value(line, "@rem project=", song.projectName) || value(line, "@set oto=", song.voiceFolder) ||
        value(line, "@set tool=", song.joinerPath) || value(line, "@set resamp=", song.resamplerPath) ||
        value(line, "@set output=", song.outputFile) || value(line, "@set flag=", song.projectFlags);
  }
}

Result<void> saveSequenceFile(const Song& song, const std::string& path) {
  MidiWriteInput input;
  input.tempo = song.tempoBoxValue();
  input.headerLines = sequenceHeaderLines(song);
  return writeSequenceMidi(path, song, input);
}

Result<void> openSequenceFile(Song& song, const std::string& path, const std::string& tracePath) {
  song.projectPath = path;
  song.cacheDir = joinPath(folderOf(path), baseNameOf(path) + ".cache");
  song.projectName = baseNameOf(path);
  auto bytes = readFileBytes(path);
  if (!bytes) return tl::unexpected(bytes.error());
  auto read = readSequenceFile(*bytes, song, MidiReadOptions{song.tempoBoxValue(), tracePath});
  if (!read) {
    song.noteCount = 0;
    song.notes.assign(1, Note{});
    return fail(ErrorCode::BadFormat, std::string(kBadSequenceFile));
  }
  applySequenceHeader(song, read->headerLines);
  return {};
}

Result<void> exportToneModuleMidi(const Song& song, const std::string& path, const std::string& programFolder) {
  MidiWriteInput input;
  input.tempo = song.tempoBoxValue();
  input.headerLines = {"@rem project=" + song.projectName};
  input.mode = MidiWriteMode::ToneModule;
  input.toneMap = loadToneMap(programFolder);
  return writeSequenceMidi(path, song, input);
}

Result<void> exportVsq(const Song& song, const std::string& path) {
  return writeVsq(path, song, song.tempoBoxValue());
}

}  // namespace ruvo
