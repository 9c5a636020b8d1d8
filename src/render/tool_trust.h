#pragma once
// Which programs a render may start. A project names its joiner and its
// resampler, and projects travel between people: a render starts only the
// programs the user chose (the configured tool paths and the program
// folder's own tools) or has trusted before. Any other program is reported
// before anything runs, so the user can decide.

#include <optional>
#include <string>
#include <vector>

#include "settings/trusted_programs.h"
#include "song/song_model.h"

namespace ruvo {

struct ToolTrust {
  std::vector<std::string> chosen;  // configured tools and the program folder's splicer and resampler
  TrustedPrograms remembered;       // trusted before, from trusted_programs.txt
  bool trustAll = false;            // the user has said to run whatever the project names
};

// A program the song's batch starts, found as the batch will find it.
struct SongTool {
  std::string role;                    // "resampler" or "joiner"
  std::string named;                   // the path as the project names it
  std::optional<std::string> program;  // the absolute path started; none when not found
};

// The resampler and the joiner of `song`, looked up from `batchFolder` and
// then PATH, as the batch interpreter starts them.
std::vector<SongTool> songTools(const Song& song, const std::string& batchFolder);

struct UntrustedTool {
  std::string role;     // "resampler" or "joiner": what the project uses it for
  std::string named;    // the path as the project names it
  std::string program;  // the absolute path the batch would start
};

// The tools of `song` that a batch run in `batchFolder` would start and that
// nobody chose. Tools that cannot be found are not listed: the render
// reports them as missing.
std::vector<UntrustedTool> untrustedTools(const Song& song, const std::string& batchFolder, const ToolTrust& trust);

// "このプロジェクトは次のプログラムを実行します…" with the program and its use.
std::string untrustedToolMessage(const UntrustedTool& tool);

}  // namespace ruvo
