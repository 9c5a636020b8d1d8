// Sequence (.wsq), MIDI (.mid) and VSQ (.vsq) files as the editor opens
// them, with the track the user would pick taken from the input: byte 0
// chooses the form, byte 1 the track (0 and below import nothing), the rest
// is the file. What was imported is then saved as a sequence file and a
// VSQ file, as Save As does.

#include <string>

#include "fuzz/fuzz_targets.h"
#include "fuzz/scratch_folder.h"
#include "project/document_io.h"

namespace ruvo::fuzz {

std::string interchangeFile(Bytes bytes) {
  if (bytes.size() < 2) return {};
  static const char* const kForms[] = {".wsq", ".mid", ".vsq"};
  const std::string extension = kForms[bytes[0] % 3];
  const int track = static_cast<int8_t>(bytes[1]);
  const std::string input =
      putScratchFile("in" + extension, {reinterpret_cast<const char*>(bytes.data()) + 2, bytes.size() - 2});

  OpenOptions options;
  options.defaults.voiceFolder = scratchFolder();
  options.chooseTrack = [track](const std::vector<std::string>& trackList) {
    if (trackList.empty()) return 0;
    return track;
  };
  options.tracePath = scratchFolder() + "/trace.log";
  Song song;
  VoiceBankTables tables;
  if (!loadDocument(song, tables, input, options)) return {};
  if (song.noteCount < 0 || static_cast<size_t>(song.noteCount) > song.notes.size())
    return "note count " + std::to_string(song.noteCount) + " outside the notes held";
  for (const char* form : {".wsq", ".vsq"}) {
    Song saved = song;
    auto written = saveDocumentAs(saved, tables, scratchFolder() + "/out" + form, SaveOptions{scratchFolder(), true});
    if (!written) return std::string("save as ") + form + " failed: " + written.error().message;
  }
  return {};
}

}  // namespace ruvo::fuzz
