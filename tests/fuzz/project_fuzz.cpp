// Project batch files as the editor opens them: loaded by extension, then
// saved in every form (.bat, .wsq, .vsq, .mid) and each saved file loaded
// again. Every saved project batch file and sequence file must load, and
// from the first save on a project batch file loads back as the very song it
// was saved from.

#include <string>

#include "fuzz/fuzz_targets.h"
#include "fuzz/scratch_folder.h"
#include "fuzz/song_difference.h"
#include "project/document_io.h"

namespace ruvo::fuzz {

namespace {

// A voice folder with aliases, a prefixed recording and a prefix map, so
// that loading takes the alias and prefix paths.
std::string voiceFolder() {
  static const std::string folder = [] {
    putScratchFile("oto.ini", "a.wav=\x82\xa0,10,100,20,35\r\nka_hi.wav=\x81\xaa\x82\xa9,6,61,-90,45\r\nka.wav=\x82\xa9,5,60,-100,40\r\n");
    putScratchFile("prefix.map", "C5\t\x81\xaa\r\n");
    return scratchFolder();
  }();
  return folder;
}

const OpenOptions& openOptions() {
  static const OpenOptions options = [] {
    OpenOptions made;
    made.defaults.voiceFolder = voiceFolder();
    made.chooseTrack = [](const std::vector<std::string>&) { return 1; };
    made.tracePath.clear();
    return made;
  }();
  return options;
}

// Saves the song as `extension` and loads the file again into `again`.
// A song holding a lyric a project batch line cannot carry is refused by
// name (`refused` is set) instead of being written damaged.
std::string saveAndLoad(const Song& song, const VoiceBankTables& tables, const std::string& extension,
                        Song& again, bool& refused) {
  Song saved = song;
  VoiceBankTables savedTables = tables;
  const std::string path = scratchFolder() + "/out" + extension;
  auto written = saveDocumentAs(saved, savedTables, path, SaveOptions{scratchFolder(), true}, scratchFolder());
  if (!written && written.error().code == ErrorCode::BadArgument && written.error().message.starts_with("note ")) {
    refused = true;
    return {};
  }
  if (!written) return "save as " + extension + " failed: " + written.error().message;
  VoiceBankTables againTables;
  auto reloaded = loadDocument(again, againTables, path, openOptions());
  // The exports are read as imports, which may refuse what they cannot hold.
  if (!reloaded && (extension == ".bat" || extension == ".wsq"))
    return "saved " + extension + " does not load: " + reloaded.error().message;
  return {};
}

}  // namespace

std::string projectFile(Bytes bytes) {
  const std::string input = putScratchFile("in.bat", {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
  Song loaded;
  VoiceBankTables tables;
  if (!loadDocument(loaded, tables, input, openOptions())) return {};

  bool refused = false;
  for (const std::string extension : {".wsq", ".vsq", ".mid"}) {
    Song again;
    if (auto fault = saveAndLoad(loaded, tables, extension, again, refused); !fault.empty()) return fault;
  }
  // The file is the script that renders the song, so the first save writes
  // what the render will use (a short note's fitted envelope, the tempo in
  // force); from then on saving and loading must give back the very song.
  Song first;
  if (auto fault = saveAndLoad(loaded, tables, ".bat", first, refused); !fault.empty() || refused) return fault;
  Song second;
  if (auto fault = saveAndLoad(first, tables, ".bat", second, refused); !fault.empty() || refused) return fault;
  if (auto difference = songDifference(first, second); !difference.empty())
    return "a saved project loads back changed: " + difference;
  return {};
}

}  // namespace ruvo::fuzz
