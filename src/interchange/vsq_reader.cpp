#include "interchange/vsq_reader.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "core/numbers.h"
#include "core/text_codec.h"
#include "interchange/bend_list.h"
#include "interchange/smf_file.h"
#include "interchange/track_scanner.h"

namespace ruvo {

namespace {

struct EventLine {
  int64_t tick = 0;
  std::string value;
};

// What the bend list needs to know of a kept note.
struct BendTarget {
  int index = 0;  // in the song
  int64_t tick = 0;
  double depth = 0;
  double tempo = 120;
};

// Splits on commas outside double quotes and drops the quotes.
std::vector<std::string> splitQuoted(std::string_view text) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char c : text) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

class MetatextReader {
 public:
  MetatextReader(Song& song, int division, std::vector<TempoEntry> tempos, double songTempo)
      : m_song(song), m_factor(1920.0 / division), m_division(division),
        m_tempos(std::move(tempos)), m_songTempo(songTempo), m_lastWritten(songTempo), m_handleCursor(song.noteCount) {}

  void run(const std::string& metatext) {
    for (auto line : splitFields(metatext, '\n')) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.starts_with("[")) {
        finishEvent();
        openSection(line);
        continue;
      }
      size_t equals = line.find('=');
      switch (m_section) {
        case Section::EventList:
          if (equals != std::string::npos)
            m_eventLines.push_back(EventLine{intFloor(leadingNumber(line.substr(0, equals))), line.substr(equals + 1)});
          break;
        case Section::Event:
          if (equals == std::string::npos) {
            finishEvent();
          } else {
            eventKey(line.substr(0, equals), line.substr(equals + 1));
          }
          break;
        case Section::Handle:
          if (equals != std::string::npos && line.substr(0, equals) == "L0") resolveHandle(line.substr(equals + 1));
          break;
        case Section::Bends:
          if (equals != std::string::npos)
            m_bends.push_back(BendPoint{intFloor(leadingNumber(line.substr(0, equals))),
                                        clampToInt32(leadingNumber(line.substr(equals + 1)))});
          break;
        case Section::None: break;
      }
    }
    finishEvent();
    applyBends();
  }

 private:
  enum class Section { None, EventList, Event, Handle, Bends };

  int songTicks(double fileTicks) const { return clampToInt32(static_cast<double>(roundHalfEven(m_factor * fileTicks))); }

  void openSection(const std::string& line) {
    m_section = Section::None;
    if (line.starts_with("[EventList]")) {
      m_section = Section::EventList;
    } else if (line.starts_with("[ID#")) {
      openEvent(line.substr(1, 7));
    } else if (line.starts_with("[h#")) {
      m_handleId = line.substr(1, 6);
      m_section = Section::Handle;
    } else if (line.starts_with("[PitchBendBPList]")) {
      m_section = Section::Bends;
    }
  }

  void openEvent(const std::string& id) {
    for (; m_indexed < m_eventLines.size(); ++m_indexed) m_eventIndex[m_eventLines[m_indexed].value] = m_indexed;
    // The last line naming the event counts, when it is not before the one matched last.
    auto named = m_eventIndex.find(id);
    if (named == m_eventIndex.end() || named->second < m_eventCursor) return;
    std::optional<size_t> found = named->second;
    m_eventCursor = *found;
    m_section = Section::Event;
    m_open = true;
    m_fields = PropFields{};
    m_note = Note{};
    m_depth = 0;
    m_tick = m_eventLines[*found].tick;
    m_gap.reset();
    if (*found + 1 < m_eventLines.size())
      m_gap = songTicks(static_cast<double>(m_eventLines[*found + 1].tick - m_tick));
    m_tempo = m_songTempo;
    for (const auto& entry : m_tempos)
      if (entry.tick <= m_tick) m_tempo = entry.bpm();
  }

  void eventKey(const std::string& key, const std::string& value) {
    if (key == "Type") {
      if (value != "Anote") {
        m_note.lyric = "R";
        m_note.noteNumber = 36;
      }
    } else if (key == "Length") {
      m_note.length = songTicks(leadingNumber(value));
    } else if (key == "Note#") {
      m_note.noteNumber = clampToInt32(leadingNumber(value) - 24);
    } else if (key == "Dynamics") {
      m_fields[kPropVolume] = value;
    } else if (key == "PMBendDepth") {
      m_depth = leadingNumber(value);
    } else if (key == "LyricHandle") {
      m_note.lyric = value;
    }
  }

  void append(Note note, const PropFields& fields) {
    note.props = joinFields(std::vector<std::string>(fields.begin(), fields.end()), "\t");
    m_song.at(m_song.noteCount) = std::move(note);
    ++m_song.noteCount;
  }

  // Stores the open event: its note (when it has a length) and the rest up
  // to the next event. A tempo change goes on the first of them kept.
  void finishEvent() {
    if (!m_open) return;
    m_open = false;
    m_section = Section::None;
    int restLength = 0;
    if (m_gap) {
      int64_t difference = int64_t{*m_gap} - m_note.length;
      if (difference > 39) restLength = clampToInt32(static_cast<double>(difference));
      if (difference < 0) m_note.length = *m_gap;
    }
    PropFields restFields = m_fields;
    if (m_tempo != m_lastWritten && (m_note.length > 0 || restLength > 0)) {
      (m_note.length > 0 ? m_fields : restFields)[kPropExtra] = "tempo=" + fixed2(m_tempo);
      m_lastWritten = m_tempo;
    }
    if (m_note.length > 0) {
      m_targets.push_back(BendTarget{m_song.noteCount, m_tick, m_depth, m_tempo});
      append(m_note, m_fields);
    }
    if (restLength > 0) append(Note{"R", restLength, 36, {}}, restFields);
  }

  void resolveHandle(const std::string& value) {
    auto fields = splitQuoted(value);
    std::string lyric = trimSpaces(fields[0]);
    if (lyric.find('\0') != std::string::npos && fields.size() > 1) {
      lyric = fields[1];
      std::erase(lyric, ' ');
    }
    for (int i = m_handleCursor; i < m_song.noteCount; ++i) {
      if (m_song[i].lyric != m_handleId) continue;
      m_song[i].lyric = lyric;
      m_handleCursor = i;
    }
  }

  // Each note takes the bend points from its own tick up to the next note's.
  void applyBends() {
    std::stable_sort(m_bends.begin(), m_bends.end(), [](const BendPoint& a, const BendPoint& b) { return a.tick < b.tick; });
    auto firstAt = [&](int64_t tick) {
      return std::lower_bound(m_bends.begin(), m_bends.end(), tick,
                              [](const BendPoint& p, int64_t t) { return p.tick < t; });
    };
    for (size_t k = 0; k < m_targets.size(); ++k) {
      const BendTarget& target = m_targets[k];
      if (roundHalfEven(target.depth) == 0) continue;
      auto end = k + 1 < m_targets.size() ? firstAt(m_targets[k + 1].tick) : m_bends.end();
      std::vector<BendPoint> points;
      for (auto it = firstAt(target.tick); it < end; ++it) points.push_back(BendPoint{it->tick - target.tick, it->value});
      if (points.empty()) continue;
      PropFields fields = splitProps(m_song[target.index].props);
      fields[kPropPitchCurve] =
          bendsToPitchCurve(points, m_division, static_cast<int>(roundHalfEven(target.depth)), target.tempo);
      m_song[target.index].props = joinFields(std::vector<std::string>(fields.begin(), fields.end()), "\t");
    }
  }

  Song& m_song;
  double m_factor;
  int m_division;
  std::vector<TempoEntry> m_tempos;
  double m_songTempo;
  double m_lastWritten;

  Section m_section = Section::None;
  std::vector<EventLine> m_eventLines;
  std::unordered_map<std::string, size_t> m_eventIndex;  // value -> last line holding it
  size_t m_indexed = 0;
  size_t m_eventCursor = 0;
  std::string m_handleId;
  int m_handleCursor;
  std::vector<BendPoint> m_bends;
  std::vector<BendTarget> m_targets;

  bool m_open = false;
  Note m_note;
  PropFields m_fields;
  double m_depth = 0;
  int64_t m_tick = 0;
  std::optional<int> m_gap;
  double m_tempo = 120;
};

}  // namespace

std::string joinVsqMetatext(const std::vector<std::string>& texts) {
  std::string raw;
  for (const auto& text : texts) {
    if (!text.starts_with("DM:")) continue;
    size_t colon = text.find(':', 3);
    if (colon != std::string::npos) raw += std::string_view(text).substr(colon + 1);
  }
  return cp932ToUtf8(raw);
}

Result<TrackReadResult> readVsqTrack(std::string_view bytes, int track, Song& song, const MidiReadOptions& options) {
  auto layout = parseSmf(bytes);
  if (!layout) return tl::unexpected(layout.error());
  const size_t count = layout->tracks.size();
  if (!hasMetricalDivision(*layout) || count < 2) return fail(ErrorCode::BadFormat, std::string(kBadFileFormat));
  if (track < 2 || static_cast<size_t>(track) > count) track = 2;

  std::vector<TempoEntry> tempos;
  TrackScan voice;
  for (size_t i = 0; i < static_cast<size_t>(track); ++i) {
    TrackScan scan;
    scanTrack(layout->tracks[i], scan);
    appendTrace(options.tracePath, scan.trace);
    if (i + 1 < static_cast<size_t>(track)) {
      tempos.insert(tempos.end(), scan.tempos.begin(), scan.tempos.end());
    } else {
      voice = std::move(scan);
    }
  }
  TrackReadResult result;
  result.tempo = tempos.empty() ? options.defaultTempo : tempos.front().bpm();
  std::stable_sort(tempos.begin(), tempos.end(), [](const TempoEntry& a, const TempoEntry& b) { return a.tick < b.tick; });

  int before = song.noteCount;
  MetatextReader(song, layout->division, std::move(tempos), result.tempo).run(joinVsqMetatext(voice.texts));
  result.count = song.noteCount - before;
  return result;
}

}  // namespace ruvo
