#pragma once
// Validation of the cache of resampled notes. The helper batch names a
// cached note by recording, note name and requested length (with the note
// index in front when it has its own volume, modulation or pitch curve) and
// runs the resampler only when that file is missing, so the name alone would
// let a note play from a file made with other flags, other oto.ini values,
// another curve or an older recording. The index file in the cache folder
// holds, for every cached note, every input of the resampler call that made
// it; before a render, each cached note the render uses whose recorded
// inputs differ or are unknown is deleted, so the batch makes it afresh.
//
// The index file is "cache_index.txt": a first line "ruvo cache index 1",
// then one line per cached note, TAB-separated: cache name, resampler,
// recording, the recording's size and modification time, its frequency
// table's size and modification time ("-" "-" when it has none), then the
// resampler's arguments; the last line is "end " and the number of entries.
// A missing, unreadable or damaged file means nothing is known. An entry whose file is gone is harmless: the cache-policy
// operations delete WAV files and leave the index alone.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "render/script_calls.h"

namespace ruvo {

struct FileStamp {
  bool exists = false;
  uint64_t size = 0;
  int64_t modified = 0;  // modification time in ticks of the file clock
  bool operator==(const FileStamp&) const = default;
};

// Size and modification time of a file; a missing one gives exists = false.
FileStamp stampOf(const std::string& path);

// Everything that decides what one resampler call writes.
struct NoteInputs {
  std::string resampler;
  std::string recording;
  FileStamp recordingStamp;
  FileStamp frqStamp;  // the recording's frequency table, read by the resampler when present
  std::vector<std::string> arguments;
  bool operator==(const NoteInputs&) const = default;
};

// The inputs of a call as the files stand now.
NoteInputs inputsOf(const ResamplerCall& call);

class CacheIndex {
 public:
  static constexpr std::string_view kFileName = "cache_index.txt";

  // The index of a cache folder; empty when the file is missing or damaged.
  static CacheIndex load(const std::string& cacheFolder);
  // Replaces the folder's index file through a temporary file and a rename,
  // so a reader never sees half of it.
  [[nodiscard]] Result<void> save(const std::string& cacheFolder) const;

  // nullptr when the cache name is unknown.
  const NoteInputs* find(const std::string& cacheName) const;
  // Inputs holding a TAB or a line break cannot be stored; the name is then
  // forgotten instead, which only costs a new resampler run.
  void set(const std::string& cacheName, NoteInputs inputs);
  void erase(const std::string& cacheName) { m_entries.erase(cacheName); }
  size_t size() const { return m_entries.size(); }

 private:
  std::map<std::string, NoteInputs> m_entries;
};

// One render's cache, from before its batch runs until after it succeeded.
struct CacheCheck {
  std::vector<ResamplerCall> calls;    // the script's resampler calls, in order
  std::vector<NoteInputs> inputs;      // per call, as the files stood before the batch
  std::vector<bool> makesFile;         // per call: the first call naming its cache file
  std::map<std::string, CacheIndex> indexes;  // per cache folder
  std::vector<std::string> warnings;   // notes that will reuse another note's file
  int deleted = 0;                     // stale cached notes deleted
};

// Before the batch runs: reads the script's resampler calls, deletes every
// cached note they name whose recorded inputs differ from the call's or are
// unknown, and rewrites the index without those entries (or removes it when
// it cannot be rewritten), so a render that stops half way leaves nothing
// trusted that it may have replaced. Fails when the script cannot be read or
// a stale note cannot be deleted: the render must not run then.
//
// Two calls that name the same cache file with different inputs can only be
// told apart by their names, which the helper fixes: the first one makes the
// file and the later ones play it; each such case gets a warning line.
[[nodiscard]] Result<CacheCheck> checkCache(const std::string& scriptPath);

// After the batch succeeded: records, for every call that made its cache
// file, the inputs as they stand now, provided the file exists and the
// recording did not change while the batch ran (a frequency table the
// resampler created meanwhile is taken as it is), and writes the index.
[[nodiscard]] Result<void> recordCache(CacheCheck& check);

}  // namespace ruvo
