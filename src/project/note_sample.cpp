#include "project/note_sample.h"

#include <algorithm>

#include "core/text_codec.h"
#include "voicebank/vowels.h"

namespace ruvo {

namespace {

bool isControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// The VCV aliases a lyric may be sung through after the note before it.
std::vector<std::string> vcvCandidates(const Song& song, int index, const std::string& lyric) {
  if (index == 0 || isRest(trimSpaces(song[index - 1].lyric))) return {"- " + lyric};
  std::string vowel = vowelOf(trimSpaces(song[index - 1].lyric));
  if (vowel.empty()) return {};
  return {vowel + " " + lyric, kanaVowel(vowel) + " " + lyric};
}

}  // namespace

NoteSample resolveNoteSample(const Song& song, VoiceBankTables& tables, int index) {
  const Note& note = song[index];
  NoteSample result;
  result.prefix = tables.prefix.getPrefix(note.noteNumber, song.voiceFolder);
  result.suffix = tables.prefix.getSuffix(note.noteNumber, song.voiceFolder);
  const std::string lyric = trimSpaces(note.lyric);
  result.lookup = result.prefix + lyric + result.suffix;
  if (!tables.oto.hasAlias(result.lookup) && tables.oto.looksVcv() && !lyric.empty()) {
    for (const std::string& alias : vcvCandidates(song, index, lyric)) {
      if (!tables.oto.hasAlias(result.prefix + alias + result.suffix)) continue;
      result.lookup = result.prefix + alias + result.suffix;
      result.chosenAlias = alias;
      break;
    }
  }
  result.sample = result.lookup;
  result.entryIndex = tables.oto.findEntry(result.sample);
  result.entry = tables.oto.getAlias(result.sample);
  return result;
}

std::string lyricOfCall(const Song& song, VoiceBankTables& tables, int noteNumber, const std::string& sample,
                        const CallTiming& timing) {
  const std::string prefix = tables.prefix.getPrefix(noteNumber, song.voiceFolder);
  const std::string suffix = tables.prefix.getSuffix(noteNumber, song.voiceFolder);
  // The alias is looked up first and the prefix and suffix taken off after,
  // so that a prefixed recording reached through its alias comes back as the
  // plain lyric.
  std::string lyric = tables.oto.aliasOfCall(sample, timing, prefix, suffix);
  if (!prefix.empty() && lyric.starts_with(prefix)) lyric.erase(0, prefix.size());
  if (!suffix.empty() && lyric.ends_with(suffix)) lyric.erase(lyric.size() - suffix.size());
  return lyric;
}

Result<std::string> callWordOf(std::string_view sample) {
  if (sample.find_first_of("\r\n") != std::string_view::npos)
    return fail(ErrorCode::BadArgument, "holds a line break, which a batch line cannot carry");
  if (cp932ToUtf8(utf8ToCp932(sample)) != sample)
    return fail(ErrorCode::BadArgument, "holds a character the project file (CP932) cannot hold");
  const bool blank = sample.find(' ') != std::string_view::npos;
  if (blank && sample.find('"') != std::string_view::npos)
    return fail(ErrorCode::BadArgument, "holds both a blank and a double quote, which a call word cannot carry");
  if (blank || sample.starts_with('"')) return "\"" + std::string(sample) + "\"";
  return std::string(sample);
}

std::string sampleOfCallWord(std::string_view word) {
  if (word.size() >= 2 && word.front() == '"' && word.back() == '"') word = word.substr(1, word.size() - 2);
  return std::string(word);
}

bool renderableSample(std::string_view sample) {
  return !sample.empty() &&
         std::none_of(sample.begin(), sample.end(), [](char c) { return isControl(c) || c == ' ' || c == '"' || c == '%'; });
}

}  // namespace ruvo
