#include "interchange/voice_track_reader.h"

#include <algorithm>
#include <string>

#include "core/numbers.h"
#include "core/text_codec.h"
#include "interchange/bend_list.h"
#include "interchange/midi_event.h"

namespace ruvo {

namespace {

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
    text.replace(pos, from.size(), to);
  return text;
}

// The value after `key` up to the next space, if the text holds the key.
bool valueAfter(std::string_view text, std::string_view key, std::string& value) {
  size_t pos = text.find(key);
  if (pos == std::string_view::npos) return false;
  pos += key.size();
  size_t end = text.find(' ', pos);
  value = std::string(text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
  return true;
}

int reduceKey(int key) {
  if (key > 23) return key - 24;
  if (key > 11) return key - 12;
  return key;
}

std::string tempoText(double tempo) { return "tempo=" + fixed2(tempo); }

class VoiceTrackReader {
 public:
  VoiceTrackReader(const VoiceTrackInput& input, Song& song)
      : m_input(input), m_song(song), m_tempos(input.tempos), m_start(song.noteCount),
        m_factor(1920.0 / input.division) {
    std::stable_sort(m_tempos.begin(), m_tempos.end(),
                     [](const TempoEntry& a, const TempoEntry& b) { return a.tick < b.tick; });
    m_tempo = m_tempos.empty() ? input.defaultTempo : m_tempos.front().bpm();
    m_next = m_tempos.empty() ? 0 : 1;
    m_lastWritten = m_tempo;
    m_waiting = tempoText(m_tempo);
  }

  int run() {
    MidiEventReader events(m_input.trackData);
    while (auto event = events.next()) {
      m_tick += event->delta;
      m_pending += event->delta;
      takeTempoChanges();
      if (event->isMeta()) {
        if (event->metaType == 0x2F) break;
        meta(*event);
      } else if (event->isChannel()) {
        channel(*event);
      }
    }
    if (m_sounding == 0 && m_pending > 0) closeGap();
    return m_song.noteCount - m_start;
  }

 private:
  int songTicks(int64_t fileTicks) const { return clampToInt32(static_cast<double>(roundHalfEven(m_factor * fileTicks))); }

  void append(std::string lyric, int length, int key, std::string record) {
    Note& note = m_song.at(m_song.noteCount);
    note = Note{std::move(lyric), length, key, std::move(record)};
    ++m_song.noteCount;
  }

  void appendRest(int length) {
    append("R", length, m_key, "\t\t\t\t\t" + m_waiting);
    m_waiting.clear();
  }

  void takeTempoChanges() {
    while (m_next < m_tempos.size() && m_tempos[m_next].tick <= m_tick) {
      const TempoEntry entry = m_tempos[m_next++];
      // A change after the last element ended cuts the rest up to it; the
      // next element then starts at the change and carries the new tempo.
      if (m_sounding == 0 && entry.tick > m_tick - m_pending) {
        if (m_tempo != m_lastWritten) setWaiting(m_tempo);
        int length = songTicks(m_pending + entry.tick - m_tick);
        if (length > 0) appendRest(length);
        m_pending = m_tick - entry.tick;
        m_tempo = entry.bpm();
        setWaiting(m_tempo);
      } else {
        m_tempo = entry.bpm();
      }
      m_tempoChangeTick = entry.tick;
    }
  }

  void setWaiting(double tempo) {
    m_waiting = tempoText(tempo);
    m_lastWritten = tempo;
  }

  void meta(const MidiEvent& event) {
    if (event.metaType == 0x51) {
      uint32_t micros = tempoOfMeta(event.data);
      if (micros == 0 || !m_input.listTrackTempos) return;
      auto at = std::upper_bound(m_tempos.begin(), m_tempos.end(), m_tick,
                                 [](int64_t tick, const TempoEntry& e) { return tick < e.tick; });
      m_tempos.insert(at, TempoEntry{m_tick, micros});
    } else if (event.metaType == 1) {
      perNoteText(cp932ToUtf8(event.data));
    } else if (event.metaType == 5) {
      m_lyric = cp932ToUtf8(event.data);
    }
  }

  void perNoteText(const std::string& text) {
    size_t pitch = text.find("pitch=");
    if (pitch != std::string::npos) {
      m_explicitPitch = text.substr(pitch + 6);
      return;
    }
    valueAfter(text, "offset=", m_preUtterance);
    valueAfter(text, "mod=", m_modulation);
    valueAfter(text, "flag=", m_flags);
    std::string value;
    if (valueAfter(text, "tempo=", value) && leadingNumber(value) > 0) {
      m_tempo = leadingNumber(value);
      m_tempoChangeTick = m_tick;
    }
    if (valueAfter(text, "env=", value)) m_env = " env=" + value;
    if (valueAfter(text, "stp=", value)) m_stp = " stp=" + value;
  }

  void channel(const MidiEvent& event) {
    switch (event.kind()) {
      case 0x90:
        if (event.data2 > 0) {
          noteOn(reduceKey(event.data1), event.data2);
          break;
        }
        [[fallthrough]];
      case 0x80:
        if (m_sounding != 0 && reduceKey(event.data1) == m_key) {
          closeNote();
          m_pending = 0;
          m_sounding = 0;
        }
        break;
      case 0xE0:
        m_bends.push_back(BendPoint{m_pending, (event.data1 | event.data2 << 7) - 8192});
        break;
      case 0xB0:
        if (event.data1 == 101) m_rpnMsb = event.data2;
        if (event.data1 == 100) m_rpnLsb = event.data2;
        if (event.data1 == 6 && m_rpnMsb == 0 && m_rpnLsb == 0) m_bendRange = event.data2;
        break;
      default: break;
    }
  }

  // Time since the last element: merged into it when short, else the
  // sounding note is closed or a rest is cut.
  void closeGap() {
    if (m_factor * static_cast<double>(m_pending) < 40 && m_song.noteCount > m_start) {
      Note& last = m_song[m_song.noteCount - 1];
      last.length = clampToInt32(static_cast<double>(last.length) + songTicks(m_pending));
    } else if (m_sounding != 0) {
      closeNote();
    } else {
      // A tempo change taken before this rest began belongs to the rest.
      if (m_tempo != m_lastWritten && m_tempoChangeTick <= m_tick - m_pending) setWaiting(m_tempo);
      appendRest(songTicks(m_pending));
    }
    m_pending = 0;
  }

  void noteOn(int key, int velocity) {
    if (m_pending != 0) closeGap();
    m_noteLyric = m_lyric;
    m_key = key;
    m_sounding = velocity;
    if (m_tempo != m_lastWritten) setWaiting(m_tempo);
    std::string extra = trimSpaces(m_waiting + m_env + m_stp);
    extra = replaceAll(replaceAll(extra, " ", kExtraSeparator), ",", " ");
    m_template = {m_preUtterance, std::to_string(velocity), m_modulation, "", m_flags, extra};
    m_bends.clear();
    m_noteTempo = m_tempo;
  }

  void closeNote() {
    PropFields record = m_template;
    if (!m_explicitPitch.empty()) {
      record[kPropPitchCurve] = m_explicitPitch;
    } else {
      record[kPropPitchCurve] = bendsToPitchCurve(m_bends, m_input.division, m_bendRange, m_noteTempo);
    }
    append(m_noteLyric, songTicks(m_pending), m_key,
           joinFields(std::vector<std::string>(record.begin(), record.end()), "\t"));
    m_preUtterance.clear();
    m_modulation.clear();
    m_flags.clear();
    m_env.clear();
    m_stp.clear();
    m_explicitPitch.clear();
    m_waiting.clear();
  }

  const VoiceTrackInput& m_input;
  Song& m_song;
  std::vector<TempoEntry> m_tempos;
  int m_start;
  double m_factor;

  size_t m_next = 0;  // the first tempo entry not yet in force
  double m_tempo = 120;
  double m_lastWritten = 120;
  double m_noteTempo = 120;
  int64_t m_tempoChangeTick = 0;
  std::string m_waiting;

  int64_t m_tick = 0;
  int64_t m_pending = 0;
  int m_key = 36;
  std::string m_lyric = "あ";
  std::string m_noteLyric;
  int m_sounding = 0;
  PropFields m_template;
  std::vector<BendPoint> m_bends;
  int m_rpnMsb = 0;
  int m_rpnLsb = 0;
  int m_bendRange = 2;

  std::string m_preUtterance, m_modulation, m_flags, m_env, m_stp, m_explicitPitch;
};

}  // namespace

int readVoiceTrack(const VoiceTrackInput& input, Song& song) {
  if (input.division <= 0) return 0;
  return VoiceTrackReader(input, song).run();
}

}  // namespace ruvo
