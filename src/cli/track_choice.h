#pragma once
// The --track option standing in for the editor's track selection dialog.

#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "core/error.h"
#include "interchange/import_dispatch.h"

namespace ruvo::cli {

class TrackChoice {
 public:
  // Reads --track N (N from 1); a value that is not a whole number above 0
  // is a usage error.
  [[nodiscard]] static Result<TrackChoice> fromArgs(const ParsedArgs& args);

  // Answers the import's question with the option's track; without the
  // option it remembers that a track was asked for and imports nothing.
  TrackChooser chooser();

  // A usage error naming the tracks when a track was needed but not given.
  std::optional<Error> missingTrack(const std::string& path) const;

 private:
  std::optional<int> m_track;
  bool m_askedWithout = false;
  std::vector<std::string> m_trackList;
};

}  // namespace ruvo::cli
