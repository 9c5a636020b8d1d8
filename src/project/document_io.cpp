#include "project/document_io.h"

#include "core/paths.h"
#include "interchange/sequence_document.h"

namespace ruvo {

namespace {

Result<void> loadAliasTable(VoiceBankTables& tables, const std::string& folder) {
  auto table = OtoTable::load(folder);
  if (!table) return tl::unexpected(table.error());
  tables.oto = std::move(*table);
  return {};
}

}  // namespace

Result<void> loadDocument(Song& song, VoiceBankTables& tables, const std::string& path,
                          const OpenOptions& options) {
  std::string extension = lowerExtension(path);
  if (extension == ".mid" || extension == ".smf" || extension == ".vsq") {
    if (auto loaded = loadAliasTable(tables, options.defaults.voiceFolder); !loaded) return loaded;
    return importFile(song, path, options.defaults, ImportOptions{options.chooseTrack, options.tracePath});
  }
  clearSong(song, options.defaults);
  if (auto loaded = loadAliasTable(tables, song.voiceFolder); !loaded) return loaded;
  if (extension == ".wsq") {
    if (auto opened = openSequenceFile(song, path, options.tracePath); !opened) return opened;
    if (!song.voiceFolder.empty()) {
      if (auto loaded = loadAliasTable(tables, song.voiceFolder); !loaded) return loaded;
    }
    song.modified = false;
    return {};
  }
  song.projectPath = path;
  std::string folder = folderOf(path);
  song.cacheDir = (folder.empty() ? std::string() : folder + "/") + baseNameOf(path) + ".cache";
  song.projectName = baseNameOf(path);
  auto loaded = loadProjectBatch(song, tables, path);
  if (!loaded) return loaded;
  song.modified = false;
  return {};
}

Result<std::string> saveDocumentAs(Song& song, VoiceBankTables& tables, const std::string& path,
                                   const SaveOptions& options, const std::string& programFolder) {
  std::string extension = lowerExtension(path);
  if (extension == ".wsq") {
    if (auto saved = saveSequenceFile(song, path); !saved) return tl::unexpected(saved.error());
    song.projectPath = path;
    song.modified = false;
    return path;
  }
  if (extension == ".vsq") {
    if (auto saved = exportVsq(song, path); !saved) return tl::unexpected(saved.error());
    return path;
  }
  if (extension == ".mid") {
    if (auto saved = exportToneModuleMidi(song, path, programFolder); !saved)
      return tl::unexpected(saved.error());
    return path;
  }
  song.projectPath = endsWithNoCase(path, ".bat") ? path : path + ".bat";
  return saveAsProjectBatch(song, tables, song.projectPath, options);
}

}  // namespace ruvo
