#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

#include "core/numbers.h"
#include "core/text_file.h"
#include "project/note_sample.h"
#include "project/project_batch.h"
#include "song/note_name.h"

namespace ruvo {

namespace {

constexpr int kCallWords = 11;  // "call", "%helper%" and the nine arguments

bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The words of a call line split at single spaces, a word in double quotes
// (a sample name holding spaces) taken whole without its quotes.
std::vector<std::string> callWords(std::string_view line) {
  std::vector<std::string> words;
  size_t start = 0;
  while (true) {
    size_t end = line.find(' ', start);
    if (start < line.size() && line[start] == '"') {
      size_t close = line.find('"', start + 1);
      while (close != std::string_view::npos && close + 1 < line.size() && line[close + 1] != ' ')
        close = line.find('"', close + 1);
      if (close != std::string_view::npos) end = close + 1 < line.size() ? close + 1 : std::string_view::npos;
    }
    words.push_back(sampleOfCallWord(line.substr(start, end == std::string_view::npos ? end : end - start)));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  if (words.size() < kCallWords) words.resize(kCallWords);
  return words;
}

float numberOf(std::string_view text) { return static_cast<float>(leadingNumber(text)); }

// A pre-utterance or overlap beyond a minute either way reads as a minute.
// The rendered lengths of a note and of the note before it are read as sums
// and differences with it in single precision, and a larger one would swallow
// them: the song would change on every save and load.
constexpr float kLongestPreUtteranceMs = 60000;

float preUtteranceOf(std::string_view text) {
  return std::clamp(numberOf(text), -kLongestPreUtteranceMs, kLongestPreUtteranceMs);
}

// A note keeps its pre-utterance as the number the render uses; an empty
// word stays empty (the voice bank's value).
std::string preUtteranceText(const std::string& word) {
  return word.empty() ? std::string() : shortestFloat(preUtteranceOf(word));
}

// An "@set env=" value as the note's seven envelope values and its overlap
// (the eighth value, 0 when absent).
std::pair<std::string, float> sevenValues(const std::string& envelope) {
  auto values = splitFields(envelope, ' ');
  float overlap = values.size() >= 8 ? preUtteranceOf(values[7]) : 0.0f;
  values.resize(7);
  return {joinFields(values, " "), overlap};
}

bool isDefaultEnvelope(const std::string& joined) {
  return joined == kDefaultEnvelope || joined == "5 35     ";
}

// Reads project batch lines into the song, either replacing it (the song has
// just been cleared) or appending to it.
class ProjectReader {
 public:
  ProjectReader(Song& song, VoiceBankTables& tables, bool appending)
      : m_song(song),
        m_tables(tables),
        m_appending(appending),
        m_index(appending ? song.noteCount : 0),
        m_firstIndex(m_index),
        m_tempo(song.tempoBoxValue()) {}

  Result<void> read(const std::vector<std::string>& lines) {
    // Prefixes come off with the map of the voice folder in force, which the
    // file's own "@set oto=" line replaces: the writer put them on with that
    // folder's map, and removing them with another one would leave them in
    // the lyric and double them on the next save.
    (void)m_tables.prefix.load(m_song.voiceFolder);
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      if (auto rest = after(line, "@set params=")) {
        i = noteBlock(lines, i, *rest);
      } else if (auto rest = after(line, "@set pitches=")) {
        if (i + 1 < lines.size() && startsWith(lines[i + 1], "call %helper%")) oldNote(*rest, lines[i + 1]);
        ++i;
      } else if (startsWith(line, R"("%tool%" "%output%")")) {
        restLine(line);
      } else if (auto rest = after(line, kLyricLine)) {
        // Only right after the call line of the note it belongs to.
        if (m_lastCallLine && *m_lastCallLine + 1 == i && m_index > m_firstIndex) m_song[m_index - 1].lyric = *rest;
      } else if (auto rest = after(line, "@set env=")) {
        // Outside a block (the header's) it is in force for the notes after
        // it that set none, as the batch keeps it.
        m_envelope = rest->empty() ? std::string() : sevenValues(*rest).first;
      } else if (auto rest = after(line, "@set stp=")) {
        m_startOffset = *rest;
      } else if (auto rest = after(line, "@set tempo=")) {
        m_tempo = numberOf(*rest);
        if (m_index == 0)
          m_song.tempoText = shortestFloat(m_tempo);
        else
          m_tempoPending = true;
      } else if (auto rest = after(line, "@rem tempo=")) {
        m_tempo = numberOf(*rest);
        m_song.tempoText = shortestFloat(m_tempo);
        m_lastAttachedTempo = m_tempo;
      } else if (!m_appending) {
        if (auto result = projectLine(line); !result) return result;
      }
    }
    m_song.noteCount = m_index;
    return {};
  }

 private:
  static std::optional<std::string> after(std::string_view line, std::string_view prefix) {
    if (!startsWith(line, prefix)) return std::nullopt;
    return std::string(line.substr(prefix.size()));
  }

  Result<void> projectLine(const std::string& line) {
    if (auto rest = after(line, "@rem project=")) {
      m_song.projectName = *rest;
    } else if (auto rest = after(line, "@set oto=")) {
      m_song.voiceFolder = *rest;
      if (!rest->empty()) {
        auto table = OtoTable::load(m_song.voiceFolder);
        if (!table) return tl::unexpected(table.error());
        m_tables.oto = std::move(*table);
        (void)m_tables.prefix.load(m_song.voiceFolder);
      }
    } else if (auto rest = after(line, "@set tool=")) {
      m_song.joinerPath = *rest;
    } else if (auto rest = after(line, "@set resamp=")) {
      m_song.resamplerPath = *rest;
    } else if (auto rest = after(line, "@set output=")) {
      m_song.outputFile = *rest;
    } else if (auto rest = after(line, "@set flag=")) {
      m_song.projectFlags = *rest;
      m_noteFlags.clear();
    }
    return {};
  }

  Note& nextNote() { return m_song.at(m_index); }

  // The tempo entry of a note after a tempo line: a line in its own block,
  // or one outside a block that no rest took (the rest was dropped), so that
  // the notes after it keep their tempo. A line that sets the tempo the
  // notes already play at (the tempo box's until a note carries one) adds
  // nothing.
  std::optional<std::string> pendingTempoEntry() {
    bool pending = std::exchange(m_tempoPending, false);
    if (!pending || m_tempo == m_lastAttachedTempo.value_or(m_song.tempoBoxValue())) return std::nullopt;
    m_lastAttachedTempo = m_tempo;
    return "tempo=" + fixed2(m_tempo);
  }

  void finishNote(float renderedMs) {
    m_rememberedMs = renderedMs;
    m_previousTempo = m_tempo;
    ++m_index;
  }

  void restLine(const std::string& line) {
    auto words = splitFields(line, ' ');
    if (words.size() < 5) return;
    float ms = numberOf(words[4]);
    // A rest of no length is kept: the writer writes one for a rest the song
    // holds, and a tempo change it carries must come back with it.
    if (!(ms >= 0)) return;
    Note& note = nextNote();
    note.noteNumber = 36;
    note.lyric = "R";
    note.length = msToTicks(ms, m_tempo);
    note.props.clear();
    m_tempoPending = false;
    if (m_tempo != m_lastAttachedTempo) {
      note.props = "\t\t\t\t\ttempo=" + fixed2(m_tempo);
      m_lastAttachedTempo = m_tempo;
    }
    finishNote(ms);
  }

  // Older files kept the pitch curve on its own line before the call line.
  void oldNote(const std::string& curve, const std::string& callLine) {
    auto words = callWords(callLine);
    Note& note = nextNote();
    note.lyric = m_tables.oto.aliasOfFile(words[2]);  // older files name no timing
    note.noteNumber = noteNumberOf(words[3]);
    note.length = msToTicks(numberOf(words[4]), m_tempo);
    note.props = preUtteranceText(words[5]) + "\t" + words[9] + "\t" + words[10] + "\t" + curve;
    if (auto tempo = pendingTempoEntry()) note.props += "\t\t" + *tempo;
    finishNote(numberOf(words[4]));
  }

  // Returns the index of the last line the block used.
  size_t noteBlock(const std::vector<std::string>& lines, size_t i, const std::string& paramsText) {
    // Volume, modulation and curve; a damaged line keeps the record's shape.
    std::string params[3];
    size_t firstSpace = paramsText.find(' ');
    size_t secondSpace =
        firstSpace == std::string::npos ? std::string::npos : paramsText.find(' ', firstSpace + 1);
    if (secondSpace != std::string::npos) {
      params[0] = paramsText.substr(0, firstSpace);
      params[1] = paramsText.substr(firstSpace + 1, secondSpace - firstSpace - 1);
      params[2] = paramsText.substr(secondSpace + 1);
    }
    if (i + 1 < lines.size()) {
      if (auto flags = after(lines[i + 1], "@set flag=")) {
        m_noteFlags = *flags == m_song.projectFlags ? std::string() : *flags;
        ++i;
      }
    }
    std::vector<std::string> extras;
    float overlap = 0;
    bool envelopeLine = false;
    bool startOffsetLine = false;
    while (i + 1 < lines.size() && startsWith(lines[i + 1], "@set ")) {
      const std::string& line = lines[++i];
      if (auto tempo = after(line, "@set tempo=")) {
        m_tempo = numberOf(*tempo);
        m_tempoPending = true;
      } else if (auto envelope = after(line, "@set env=")) {
        std::tie(m_envelope, overlap) = sevenValues(*envelope);
        envelopeLine = true;
        if (!isDefaultEnvelope(m_envelope)) extras.push_back("env=" + m_envelope);
      } else if (auto startOffset = after(line, "@set stp=")) {
        m_startOffset = *startOffset;
        startOffsetLine = true;
        extras.push_back("stp=" + m_startOffset);
      } else if (!startsWith(line, "@set cachetag=")) {
        extras.push_back(line.substr(5));
      }
    }
    if (i + 1 >= lines.size() || !startsWith(lines[i + 1], "call %helper%")) return i + 1;
    // The script's env and stp keep their values until the next "@set" of
    // them, so a note without its own plays with those of the notes before.
    if (!envelopeLine && !m_envelope.empty() && !isDefaultEnvelope(m_envelope))
      extras.push_back("env=" + m_envelope);
    if (!startOffsetLine && !m_startOffset.empty()) extras.push_back("stp=" + m_startOffset);
    if (auto tempo = pendingTempoEntry()) extras.insert(extras.begin(), *tempo);
    m_lastCallLine = ++i;
    callLine(lines[i], params, overlap, joinFields(extras, kExtraSeparator));
    return i;
  }

  void callLine(const std::string& line, const std::string (&params)[3], float overlap,
                const std::string& extras) {
    auto words = callWords(line);
    int noteNumber = noteNumberOf(words[3]);
    float preUtterance = preUtteranceOf(words[5]);
    // Several aliases share a recording in most banks: the call's timing
    // tells which entry it was written from (appending too).
    const CallTiming timing{roundHalfEven(leadingNumber(words[6])), roundHalfEven(leadingNumber(words[8])),
                            roundHalfEven(leadingNumber(words[9])), preUtterance};
    std::string lyric = lyricOfCall(m_song, m_tables, noteNumber, words[2], timing);
    if (preUtterance > 0 && m_index > m_firstIndex) {
      // The previous note's length is what it sounded before this note's
      // pre-utterance took over, at the tempo it was played at. The writer
      // makes the overlap equal to the pre-utterance, so their difference
      // is taken first and the remembered length comes back exactly.
      m_song[m_index - 1].length = msToTicks(m_rememberedMs + (preUtterance - overlap), m_previousTempo);
    }
    float ownMs = numberOf(words[4]) - preUtterance;
    Note& note = nextNote();
    note.noteNumber = noteNumber;
    note.lyric = lyric;
    note.length = msToTicks(ownMs, m_tempo);
    note.props = preUtteranceText(words[5]) + "\t" + params[0] + "\t" + params[1] + "\t" + params[2] + "\t" +
                 m_noteFlags + "\t" + extras;
    finishNote(ownMs);
  }

  Song& m_song;
  VoiceBankTables& m_tables;
  bool m_appending;
  int m_index;
  int m_firstIndex;
  float m_tempo;
  float m_previousTempo = 0;
  std::optional<float> m_lastAttachedTempo;  // of the last note that carries a tempo entry
  float m_rememberedMs = 0;
  bool m_tempoPending = false;
  std::string m_noteFlags;
  std::string m_envelope;     // the script's env: seven values, no overlap
  std::string m_startOffset;  // the script's stp
  std::optional<size_t> m_lastCallLine;  // the line of the last note block's call
};

Result<void> readProject(Song& song, VoiceBankTables& tables, const std::string& path, bool appending) {
  auto lines = readTextLines(path);
  if (!lines) return tl::unexpected(lines.error());
  return ProjectReader(song, tables, appending).read(*lines);
}

}  // namespace

Result<void> loadProjectBatch(Song& song, VoiceBankTables& tables, const std::string& path) {
  return readProject(song, tables, path, false);
}

Result<void> appendProjectBatch(Song& song, VoiceBankTables& tables, const std::string& path) {
  return readProject(song, tables, path, true);
}

}  // namespace ruvo
