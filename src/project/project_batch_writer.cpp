#include <filesystem>

#include "core/numbers.h"
#include "core/paths.h"
#include "core/text_codec.h"
#include "core/text_file.h"
#include "song/note_name.h"
#include "project/note_sample.h"
#include "project/project_batch.h"

namespace ruvo {

namespace {

constexpr int kEnvelopeValues = 8;  // p1 p2 p3 v1 v2 v3 v4 and the overlap
constexpr std::string_view kSharedParams = "100 100 ";  // cached without the note index

const std::vector<std::string> kJoinBlock = {
    R"(@if exist "%output%.whd" ()",
    R"(  if exist "%output%.dat" ()",
    R"(    copy /Y "%output%.whd" /B + "%output%.dat" /B "%output%")",
    R"(    del "%output%.whd" "%output%.dat")",
    "  )",
    ")",
};

const std::vector<std::string> kCachedHelper = {
    R"(@if "%params%"=="100 100 " (set temp=%cachedir%\%1_%2_%6%cachetag%.wav) else (set temp=%cachedir%\%9_%1_%2_%6%cachetag%.wav))",
    R"(@if not exist "%temp%" ("%resamp%" "%oto%\%1.wav" "%temp%" %2 100 %flag%L %5 %6 %7 %8 %params%))",
    R"(@"%tool%" "%output%" "%temp%" 0%stp% %3 %env%)",
};

const std::vector<std::string> kUncachedHelper = {
    "@set temp=temp$$$.wav",
    R"(@"%resamp%" "%oto%\%1.wav" "%temp%" %2 100 %flag%L %5 %6 %7 %8 %params%)",
    R"(@"%tool%" "%output%" "%temp%" 0%stp% %3 %env%)",
};

// Very short notes get an envelope that fits inside them.
void fitEnvelopeToShortNote(float preUtterance, float lengthMs, std::string& envelope) {
  int64_t total = roundHalfEven(static_cast<double>(preUtterance + lengthMs));
  if (total <= 10) {
    envelope = std::to_string(intFloor(total / 2.0)) + " " + std::to_string(intFloor(total / 2.0));
  } else if (total <= 15) {
    envelope = "5 5";
  } else if (total <= 75) {
    envelope = "5 " + std::to_string(intFloor((total - 5) / 2.0));
  }
}

// A curve that names its tempo after "Q" is rewritten with the tempo it is
// rendered at, kept to two decimals.
std::string curveAtTempo(const std::string& curve, float tempo) {
  size_t q = curve.find('Q');
  if (q == std::string::npos) return curve;
  float rounded = static_cast<float>(intFloor(static_cast<double>(tempo * 100.0f))) / 100.0f;
  std::string result = curve.substr(0, q + 1) + shortestFloat(rounded);
  size_t space = curve.find(' ', q);
  if (space != std::string::npos) result += curve.substr(space);
  return result;
}

// The overlap (eighth envelope value) is the pre-utterance.
std::string envelopeWithOverlap(const std::string& envelope, float preUtterance) {
  auto values = splitFields(envelope, ' ');
  values.resize(kEnvelopeValues);
  values[kEnvelopeValues - 1] = shortestFloat(preUtterance);
  return joinFields(values, " ");
}

// Resampler inputs that the shared cache name (recording, key, length) does
// not show, appended to it: the timing of an entry that shares its recording with an
// earlier one ("~offset_consonant_blank"), and flags other than the
// project's ("~" and the flags, every byte but a letter, digit, '+', '-' or
// '.' written as '@' and two hex digits). Empty for every other note, whose
// name stays as it always was.
std::string cacheTagOf(const OtoTable& oto, const NoteSample& sample, const std::string& flags,
                       const std::string& projectFlags) {
  std::string tag;
  if (sample.entryIndex && oto.sharesRecording(*sample.entryIndex)) {
    tag += "~" + std::to_string(roundHalfEven(sample.entry.number(OtoEntry::kOffset))) + "_" +
           std::to_string(roundHalfEven(sample.entry.number(OtoEntry::kConsonant))) + "_" +
           std::to_string(roundHalfEven(sample.entry.number(OtoEntry::kBlank)));
  }
  if (flags != projectFlags) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    tag += "~";
    for (char c : flags) {
      const auto byte = static_cast<unsigned char>(c);
      if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.')
        tag += c;
      else
        tag += {'@', kHex[byte >> 4], kHex[byte & 15]};
    }
  }
  return tag;
}

// Removes helpers of earlier writes (B_helper1.bat, ...) once the new
// script and helper are in place, so a failed save leaves the old pair whole.
void deleteOldHelpers(const std::string& folder, const std::string& baseName, const std::string& keep) {
  std::error_code ec;
  std::string dir = folder.empty() ? "." : nativePath(folder);
  std::string prefix = baseName + "_helper";
  for (const auto& item : std::filesystem::directory_iterator(dir, ec)) {
    std::string name = item.path().filename().string();
    if (name.size() >= prefix.size() && equalsNoCase(std::string_view(name).substr(0, prefix.size()), prefix) &&
        endsWithNoCase(name, ".bat") && name != keep) {
      std::filesystem::remove(item.path(), ec);
    }
  }
}

std::string noteLabel(int index, const Note& note) { return "note " + std::to_string(index) + " (" + note.lyric + ")"; }

class ScriptWriter {
 public:
  ScriptWriter(const Song& song, VoiceBankTables& tables, const ScriptRequest& request)
      : m_song(song), m_tables(tables), m_request(request) {}

  std::vector<std::string> header(const std::string& baseName, const std::string& output) {
    m_tempo = m_song.tempoBoxValue();
    for (int i = 0; i < m_request.first && i < m_song.noteCount; ++i) {
      float ignoredOffset = 0;
      lookupExtras(m_song[i].props, m_tempo, ignoredOffset, m_lastEnvelope);
    }
    m_lastTempo = m_tempo;
    m_lastFlags = m_song.projectFlags;
    std::vector<std::string> lines = {
        "@rem project=" + m_request.projectName,
        "@set tempo=" + m_song.tempoText,
        "@set oto=" + m_song.voiceFolder,
        "@set tool=" + m_song.joinerPath,
        "@set resamp=" + m_song.resamplerPath,
        "@set output=" + output,
        "@set helper=" + baseName + "_helper.bat",
        "@set cachedir=" + (m_song.cacheDir.empty() ? baseName + ".cache" : m_song.cacheDir),
        "@set flag=" + m_song.projectFlags,
        "@set env=" + m_lastEnvelope,
        "",
        R"(@del "%output%")",
    };
    if (m_request.cacheEnable) lines.push_back(R"(@mkdir "%cachedir%")");
    lines.emplace_back();
    return lines;
  }

  Result<void> note(int index, std::vector<std::string>& lines) {
    const Note& note = m_song[index];
    std::string envelope(kDefaultEnvelope);
    float startOffset = 0;
    lookupExtras(note.props, m_tempo, startOffset, envelope);
    float lengthMs = ticksToMs(note.length, m_tempo);

    if (isRest(note.lyric)) {
      writeTempoIfChanged(lines);
      lines.push_back(R"("%tool%" "%output%" "%oto%\R.wav" 0 )" + fixed3(lengthMs) + " 0 0");
      return {};
    }

    const NoteSample resolved = resolveNoteSample(m_song, m_tables, index);
    const OtoEntry& entry = resolved.entry;
    auto word = callWordOf(resolved.sample);
    if (!word)
      return fail(word.error().code, noteLabel(index, note) + ": the name '" + resolved.sample + "' " + word.error().message);
    PropFields props = splitProps(note.props);
    float preUtterance = static_cast<float>(props[kPropPreUtterance].empty()
                                                ? entry.number(OtoEntry::kPreUtterance)
                                                : leadingNumber(props[kPropPreUtterance]));
    std::string volume = props[kPropVolume].empty() ? std::string("100") : props[kPropVolume];
    std::string modulation = props[kPropModulation].empty() ? std::string("100") : props[kPropModulation];
    std::string flags = props[kPropFlags].empty() ? m_song.projectFlags : props[kPropFlags];

    float requested =
        static_cast<float>(intFloor(static_cast<double>((preUtterance + lengthMs + startOffset) / 50.0f + 1.5f))) *
        50.0f;
    fitEnvelopeToShortNote(preUtterance, lengthMs, envelope);

    const std::string params = volume + " " + modulation + " " + curveAtTempo(props[kPropPitchCurve], m_tempo);
    lines.push_back("@set params=" + params);
    if (flags != m_lastFlags) {
      lines.push_back("@set flag=" + flags);
      m_lastFlags = flags;
    }
    writeTempoIfChanged(lines);
    if (preUtterance > 0) envelope = envelopeWithOverlap(envelope, preUtterance);
    if (preUtterance > 0 || envelope != m_lastEnvelope) {
      lines.push_back("@set env=" + envelope);
      m_lastEnvelope = envelope;
    }
    if (startOffset != m_lastStartOffset) {
      lines.push_back("@set stp=" + (startOffset == 0 ? std::string() : shortestFloat(startOffset)));
      m_lastStartOffset = startOffset;
    }
    if (m_request.cacheEnable) {
      // A note with its own volume, modulation or curve is cached under its
      // index, which no other note of the script shares.
      std::string tag = params == kSharedParams ? cacheTagOf(m_tables.oto, resolved, flags, m_song.projectFlags) : "";
      if (tag != m_lastCacheTag) {
        lines.push_back("@set cachetag=" + tag);
        m_lastCacheTag = tag;
      }
    }
    const CallTiming timing{roundHalfEven(entry.number(OtoEntry::kOffset)),
                            roundHalfEven(entry.number(OtoEntry::kConsonant)),
                            roundHalfEven(entry.number(OtoEntry::kBlank)), preUtterance};
    lines.push_back("call %helper% " + *word + " " + noteNameOf(note.noteNumber) + " " +
                    fixed3(preUtterance + lengthMs) + " " + shortestFloat(preUtterance) + " " +
                    std::to_string(timing.offset) + " " + shortestFloat(requested) + " " +
                    std::to_string(timing.consonant) + " " + std::to_string(timing.blank) + " " +
                    std::to_string(index));
    // The reader finds a lyric again through the entry the call names; where
    // that is not the lyric as typed (a VCV alias chosen for it, an alias that
    // shares its recording and timing with an earlier one), the lyric follows
    // the call, where the batch ignores it.
    const std::string lyric = trimSpaces(note.lyric);
    if (lyricOfCall(m_song, m_tables, note.noteNumber, resolved.sample, timing) != lyric) {
      if (lyric.find_first_of("\r\n") != std::string::npos || cp932ToUtf8(utf8ToCp932(lyric)) != lyric)
        return fail(ErrorCode::BadArgument,
                    noteLabel(index, note) + ": the lyric holds a line break or a character the project file (CP932) cannot hold");
      lines.push_back(std::string(kLyricLine) + lyric);
    }
    return {};
  }

 private:
  void writeTempoIfChanged(std::vector<std::string>& lines) {
    if (m_tempo == m_lastTempo) return;
    lines.push_back("@set tempo=" + shortestFloat(m_tempo));
    m_lastTempo = m_tempo;
  }

  const Song& m_song;
  VoiceBankTables& m_tables;
  const ScriptRequest& m_request;
  float m_tempo = 0;
  float m_lastTempo = 0;
  std::string m_lastEnvelope;
  std::string m_lastFlags;
  float m_lastStartOffset = 0;
  std::string m_lastCacheTag;
};

}  // namespace

Result<std::string> writeScript(const Song& song, VoiceBankTables& tables, const ScriptRequest& request) {
  std::string folder = folderOf(request.scriptPath);
  std::string baseName = baseNameOf(request.scriptPath);
  std::string output = request.output.empty() ? baseName + ".wav" : request.output;

  (void)tables.prefix.load(song.voiceFolder);
  ScriptWriter writer(song, tables, request);
  std::vector<std::string> lines = writer.header(baseName, output);
  for (int i = std::max(request.first, 0); i <= request.last && i < song.noteCount; ++i) {
    if (auto written = writer.note(i, lines); !written) return tl::unexpected(written.error());
  }
  lines.emplace_back();
  if (!request.cacheEnable) {
    lines.emplace_back("@del temp$$$.wav");
    lines.emplace_back();
  }
  lines.insert(lines.end(), kJoinBlock.begin(), kJoinBlock.end());

  std::string helperName = baseName + "_helper.bat";
  std::string helperPath = joinPath(nativePath(folder), helperName);
  if (auto written = writeTextLines(helperPath, request.cacheEnable ? kCachedHelper : kUncachedHelper); !written)
    return tl::unexpected(written.error());
  if (auto written = writeTextLines(nativePath(request.scriptPath), lines); !written)
    return tl::unexpected(written.error());
  deleteOldHelpers(folder, baseName, helperName);
  return output;
}

Result<std::string> saveAsProjectBatch(Song& song, VoiceBankTables& tables, const std::string& path,
                                       const SaveOptions& options) {
  std::string script;
  if (path.empty()) {
    song.cacheDir = joinPath(options.workingFolder, "temp.cache");
    script = joinPath(options.workingFolder, "temp.bat");
  } else {
    std::string extension = extensionOf(path);
    std::string stem = path.substr(0, path.size() - extension.size());
    if (equalsNoCase(extension, ".wsq")) {
      song.cacheDir = stem + ".cache";
      script = joinPath(options.workingFolder, "temp.bat");
    } else if (equalsNoCase(extension, ".bat")) {
      song.cacheDir = stem + ".cache";
      script = path;
    } else {
      song.cacheDir = path + ".cache";
      script = path + ".bat";
    }
  }
  if (song.projectName.empty()) song.projectName = fileNameOf(song.projectPath);
  // An empty output stays empty so that the script names it after itself
  // (song.bat renders song.wav) instead of a nameless ".wav".
  if (!song.outputFile.empty() && !endsWithNoCase(song.outputFile, ".wav")) song.outputFile += ".wav";

  ScriptRequest request{song.projectName, script, 0, song.noteCount - 1, song.outputFile, options.cacheEnable};
  auto written = writeScript(song, tables, request);
  if (!written) return tl::unexpected(written.error());
  song.outputFile = *written;
  song.modified = false;
  return script;
}

}  // namespace ruvo
