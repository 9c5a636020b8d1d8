#include "cli/track_choice.h"

#include <charconv>

namespace ruvo::cli {

Result<TrackChoice> TrackChoice::fromArgs(const ParsedArgs& args) {
  TrackChoice choice;
  auto text = args.value("--track");
  if (!text) return choice;
  int track = 0;
  auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), track);
  if (ec != std::errc() || end != text->data() + text->size() || track < 1)
    return fail(ErrorCode::BadArgument, "--track needs a track number from 1, got '" + *text + "'");
  choice.m_track = track;
  return choice;
}

TrackChooser TrackChoice::chooser() {
  return [this](const std::vector<std::string>& list) {
    if (m_track) return *m_track;
    m_askedWithout = true;
    m_trackList = list;
    return -1;
  };
}

std::optional<Error> TrackChoice::missingTrack(const std::string& path) const {
  if (!m_askedWithout) return std::nullopt;
  std::string tracks;
  for (const auto& entry : m_trackList) tracks += (tracks.empty() ? "" : ", ") + entry;
  return Error{ErrorCode::BadArgument, path + ": choose the track to import with --track N (" + tracks + ")"};
}

}  // namespace ruvo::cli
