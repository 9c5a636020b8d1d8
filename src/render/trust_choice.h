#pragma once
// The editor's side of tool trust: the trust its renders start with, and
// what the user's answer about a program nobody chose does.

#include <string>
#include <vector>

#include "core/error.h"
#include "render/tool_trust.h"
#include "settings/settings.h"
#include "song/song_model.h"

namespace ruvo {

struct LoadedTrust {
  ToolTrust trust;
  std::string problem;  // why the trust file was not used ("" when it was)
};

// The configured tools, the program folder's splicer and resampler, and
// the programs of the trust file beside the settings file. A trust file
// that cannot be read trusts nothing, and `problem` says why.
LoadedTrust loadToolTrust(const Settings& settings, const std::string& programFolder,
                          const std::string& settingsFile);

enum class TrustChoice {
  Run,            // run the program, now and from now on
  UseConfigured,  // render with the configured tool of the same use instead
  Cancel,
};

// Applies the answer about one program. Run trusts it in `trust` and adds it
// to the trust file (read again first, so nothing in it is lost; a file
// that cannot be read is left alone and the error returned: the program is
// still trusted for this run). UseConfigured points the song's joiner
// (Tool1Path) or resampler (Tool2Path) at the configured one.
[[nodiscard]] Result<void> applyTrustChoice(TrustChoice choice, const UntrustedTool& tool, ToolTrust& trust,
                                            Song& song, const Settings& settings,
                                            const std::string& trustFile);

}  // namespace ruvo
