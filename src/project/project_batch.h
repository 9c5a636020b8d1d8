#pragma once
// The project batch file: a Windows batch script that is both the stored form
// of a song and the script that renders it. Every line that carries song data
// is a batch command ("@rem", "@set", "call"), so the reader recovers the
// song from the very lines that render it. Beside the script the writer puts
// a helper batch (base name + "_helper.bat") that runs the resampler and the
// joiner for one note.

#include <string>

#include "core/error.h"
#include "song/song_model.h"
#include "voicebank/voice_bank.h"

namespace ruvo {

struct ScriptRequest {
  std::string projectName;  // written on the "@rem project=" line
  std::string scriptPath;   // the .bat to write; the helper goes beside it
  int first = 0;            // notes first..last are written
  int last = -1;
  std::string output;       // output WAV; empty: base name + ".wav"
  bool cacheEnable = true;  // keep resampled notes in the cache folder
};

// Writes the script and its helper for notes first..last. Returns the output
// path actually written (the request's, or base name + ".wav" when empty).
// A note whose lyric or sample name a batch line cannot carry (a double
// quote, '%' or a control character) is an error naming the note; nothing
// is written then.
[[nodiscard]] Result<std::string> writeScript(const Song& song, VoiceBankTables& tables,
                                              const ScriptRequest& request);

// The line that follows a note's call line when the entry the call names
// does not lead back to the note's lyric (see note_sample.h); the batch
// ignores it, the reader takes the lyric from it.
inline constexpr std::string_view kLyricLine = "@rem lyric=";

struct SaveOptions {
  std::string workingFolder;  // where "temp.bat" and "temp.cache" live
  bool cacheEnable = true;
};

// Saves the whole song as a project batch file: picks the script path and the
// cache folder from `path` (.bat kept, .wsq renders through temp.bat, other
// names get ".bat" appended, empty means temp.bat), completes projectName and
// outputFile, writes the script and clears `modified`. Returns the script path.
[[nodiscard]] Result<std::string> saveAsProjectBatch(Song& song, VoiceBankTables& tables,
                                                     const std::string& path, const SaveOptions& options);

// Replaces the song (already cleared by the caller) with the file's notes and
// project settings. Loads the alias table of the file's voice folder. A note
// reads back as the script plays it: the env and stp of the notes before it
// when it sets none, a pre-utterance of at most a minute either way, a length
// of at most kLongestReadLength either way.
[[nodiscard]] Result<void> loadProjectBatch(Song& song, VoiceBankTables& tables, const std::string& path);

// Adds the file's notes after the song's last note; the project keeps its settings.
[[nodiscard]] Result<void> appendProjectBatch(Song& song, VoiceBankTables& tables, const std::string& path);

}  // namespace ruvo
