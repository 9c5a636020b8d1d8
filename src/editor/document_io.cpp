#include "editor/document_io.h"

#include "core/paths.h"

namespace ruvo {

Result<void> loadDocument(Song& song, VoiceBankTables& tables, const std::string& path,
                          const OpenOptions& options) {
  clearSong(song, options.defaults);
  auto table = OtoTable::load(song.voiceFolder);
  if (!table) return tl::unexpected(table.error());
  tables.oto = std::move(*table);
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
                                   const SaveOptions& options) {
  song.projectPath = endsWithNoCase(path, ".bat") ? path : path + ".bat";
  return saveAsProjectBatch(song, tables, song.projectPath, options);
}

}  // namespace ruvo
