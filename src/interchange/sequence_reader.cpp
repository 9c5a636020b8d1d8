#include "interchange/sequence_reader.h"

#include "core/text_codec.h"
#include "interchange/smf_file.h"
#include "interchange/track_scanner.h"
#include "interchange/voice_track_reader.h"

namespace ruvo {

namespace {

tl::unexpected<Error> badFormat() { return fail(ErrorCode::BadFormat, std::string(kBadFileFormat)); }

TrackScan scanLogged(std::string_view track, const MidiReadOptions& options) {
  TrackScan scan;
  scanTrack(track, scan);
  appendTrace(options.tracePath, scan.trace);
  return scan;
}

Result<SmfLayout> timedLayout(std::string_view bytes) {
  auto layout = parseSmf(bytes);
  if (!layout) return tl::unexpected(layout.error());
  if (!hasMetricalDivision(*layout) || layout->tracks.empty()) return badFormat();
  return layout;
}

}  // namespace

std::vector<std::string> listTracks(std::string_view bytes, const MidiReadOptions& options) {
  std::vector<std::string> list;
  auto layout = parseSmf(bytes);
  if (!layout) return list;
  for (size_t i = 0; i < layout->tracks.size(); ++i) {
    TrackScan scan = scanLogged(layout->tracks[i], options);
    list.push_back(std::to_string(i + 1) + ": " + scan.trackName);
  }
  return list;
}

Result<TrackReadResult> importTrack(std::string_view bytes, int track, Song& song, const MidiReadOptions& options) {
  auto layout = timedLayout(bytes);
  if (!layout) return tl::unexpected(layout.error());
  if (track < 1 || static_cast<size_t>(track) > layout->tracks.size()) return badFormat();
  TrackScan conductor = scanLogged(layout->tracks[0], options);

  VoiceTrackInput input;
  input.trackData = layout->tracks[static_cast<size_t>(track) - 1];
  input.division = layout->division;
  input.tempos = conductor.tempos;
  input.listTrackTempos = track != 1;
  input.defaultTempo = options.defaultTempo;
  TrackReadResult result;
  result.tempo = conductor.tempos.empty() ? options.defaultTempo : conductor.tempos.front().bpm();
  result.count = readVoiceTrack(input, song);
  return result;
}

Result<SequenceReadResult> readSequenceFile(std::string_view bytes, Song& song, const MidiReadOptions& options) {
  auto layout = timedLayout(bytes);
  if (!layout) return tl::unexpected(layout.error());
  TrackScan conductor = scanLogged(layout->tracks[0], options);
  SequenceReadResult result;
  result.tempo = conductor.tempos.empty() ? options.defaultTempo : conductor.tempos.front().bpm();

  size_t voice = layout->trackCount >= 3 ? 2 : 1;
  if (voice >= layout->tracks.size()) return badFormat();
  if (voice == 2) {
    // The track between the conductor and the voice adds its texts (header
    // lines such as "@set flag=") and tempos after the conductor's.
    TrackScan second = scanLogged(layout->tracks[1], options);
    conductor.texts.insert(conductor.texts.end(), second.texts.begin(), second.texts.end());
    conductor.tempos.insert(conductor.tempos.end(), second.tempos.begin(), second.tempos.end());
  }
  for (const auto& text : conductor.texts) result.headerLines.push_back(cp932ToUtf8(text));
  VoiceTrackInput input;
  input.trackData = layout->tracks[voice];
  input.division = layout->division;
  input.tempos = conductor.tempos;
  input.defaultTempo = options.defaultTempo;
  result.count = readVoiceTrack(input, song);
  return result;
}

}  // namespace ruvo
