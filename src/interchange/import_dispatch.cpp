#include "interchange/import_dispatch.h"

#include <cstdio>

#include "core/paths.h"
#include "core/text_file.h"
#include "interchange/sequence_reader.h"
#include "interchange/smf_file.h"
#include "interchange/vsq_reader.h"

namespace ruvo {

namespace {

tl::unexpected<Error> badFormat() { return fail(ErrorCode::BadFormat, std::string(kBadFileFormat)); }

std::string oneDecimal(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", value);
  return buffer;
}

int askTrack(const ImportOptions& options, const std::vector<std::string>& list) {
  return options.chooseTrack ? options.chooseTrack(list) : 0;
}

}  // namespace

std::string lowerExtension(const std::string& path) {
  std::string extension = extensionOf(path);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension;
}

Result<void> importMidiType(Song& song, const std::string& path, const std::string& extension,
                            const ImportOptions& options) {
  auto bytes = readFileBytes(path);
  if (!bytes) return tl::unexpected(bytes.error());
  MidiReadOptions readOptions{song.tempoBoxValue(), options.tracePath};
  auto list = listTracks(*bytes, readOptions);
  if (list.empty()) return badFormat();
  int track = extension == ".wsq" ? 2 : askTrack(options, list);
  if (track <= 0) return {};
  auto read = importTrack(*bytes, track, song, readOptions);
  if (!read) return tl::unexpected(read.error());
  song.tempoText = oneDecimal(read->tempo);
  return {};
}

Result<void> importVsq(Song& song, const std::string& path, const ImportOptions& options) {
  auto bytes = readFileBytes(path);
  if (!bytes) return tl::unexpected(bytes.error());
  MidiReadOptions readOptions{song.tempoBoxValue(), options.tracePath};
  auto list = listTracks(*bytes, readOptions);
  if (list.empty()) return badFormat();
  int track = list.size() < 3 ? 2 : askTrack(options, list);
  if (track <= 0) return {};
  auto read = readVsqTrack(*bytes, track, song, readOptions);
  if (!read) return tl::unexpected(read.error());
  song.tempoText = oneDecimal(read->tempo);
  return {};
}

Result<void> importFile(Song& song, const std::string& path, const ClearDefaults& defaults,
                        const ImportOptions& options) {
  clearSong(song, defaults);
  song.tempoText = std::string(kDefaultTempoText);
  song.modified = true;
  std::string extension = lowerExtension(path);
  Result<void> imported;
  if (extension == ".smf" || extension == ".mid") {
    imported = importMidiType(song, path, extension, options);
  } else if (extension == ".vsq") {
    imported = importVsq(song, path, options);
  }
  if (!imported) return imported;
  if (song.noteCount > 0) {
    song.projectName = baseNameOf(path);
    song.outputFile = song.projectName;
  }
  return {};
}

}  // namespace ruvo
