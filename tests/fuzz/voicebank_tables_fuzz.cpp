// A voice folder's oto.ini and prefix.map, loaded from files as the editor
// does. The input is the oto.ini text, then a NUL byte and the prefix.map
// text. Every alias and file name read back must be found again, a call
// written from an entry must lead back to an entry of the same recording and
// timing, a UTF-8 file must write back byte for byte, and the bank check
// must run over whatever was read.

#include <string>

#include "fuzz/fuzz_targets.h"
#include "fuzz/scratch_folder.h"
#include "core/numbers.h"
#include "core/paths.h"
#include "song/note_name.h"
#include "voicebank/bank_check.h"
#include "voicebank/voice_bank.h"

namespace ruvo::fuzz {

std::string voiceBankTables(Bytes bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const size_t split = text.find('\0');
  putScratchFile("oto.ini", text.substr(0, split));
  putScratchFile("prefix.map", split == std::string_view::npos ? std::string_view() : text.substr(split + 1));

  auto oto = OtoTable::load(scratchFolder());
  if (!oto) return "oto.ini does not load: " + oto.error().message;
  PrefixMap prefix;
  if (!prefix.load(scratchFolder())) return "prefix.map does not load";

  for (size_t i = 0; i < oto->size(); ++i) {
    const auto& fields = oto->rawEntry(i);
    if (fields.empty()) return "entry " + std::to_string(i) + " has no file name";
    std::string lyric = fields.size() > 1 ? fields[1] : fields[0];
    const OtoEntry entry = oto->getAlias(lyric);
    for (size_t field = OtoEntry::kOffset; field <= OtoEntry::kPreUtterance; ++field) (void)entry.number(field);
    const std::string name = stripWavExtension(fields[0]);
    const std::string alias = oto->aliasOfFile(name);
    std::string again = alias;
    if (alias != name && oto->getAlias(again)[OtoEntry::kFile].empty())
      return "alias \"" + alias + "\" of \"" + name + "\" leads to no recording";
  }
  const std::string_view otoBytes = text.substr(0, split);
  // A file keeps one line end: mixing CR LF and LF is not kept, nor is a
  // bare CR closing the last line.
  size_t lineFeeds = 0, crlfs = 0;
  for (size_t i = 0; i < otoBytes.size(); ++i) {
    if (otoBytes[i] != '\n') continue;
    ++lineFeeds;
    if (i > 0 && otoBytes[i - 1] == '\r') ++crlfs;
  }
  const bool oneLineEnd = (crlfs == 0 || crlfs == lineFeeds) && !otoBytes.ends_with('\r');
  if (oto->encoding() != TextEncoding::Cp932 && oneLineEnd &&
      textDocumentBytes(oto->document()) != otoBytes)
    return "a UTF-8 oto.ini does not write back byte for byte";
  for (size_t i = 0; i < oto->size(); ++i) {
    const OtoEntry entry = oto->entryAt(i);
    if (!endsWithNoCase(entry[OtoEntry::kFile], ".wav")) continue;  // calls name recordings by their base name
    const CallTiming timing{roundHalfEven(entry.number(OtoEntry::kOffset)), roundHalfEven(entry.number(OtoEntry::kConsonant)),
                            roundHalfEven(entry.number(OtoEntry::kBlank)), entry.number(OtoEntry::kPreUtterance)};
    std::string found = oto->aliasOfCall(stripWavExtension(entry[OtoEntry::kFile]), timing, "", "");
    auto index = oto->findEntry(found);
    if (!index) return "the call of entry " + std::to_string(i) + " leads to \"" + found + "\", which names nothing";
    (void)oto->sharesRecording(i);
  }
  (void)oto->looksVcv();
  (void)checkBank(scratchFolder());
  for (int note = -1; note < 130; ++note) (void)prefix.getPrefix(note, scratchFolder());
  (void)prefix.getSuffix(48, scratchFolder());
  (void)prefix.suffixes();
  for (int note : {noteNumberOf(""), 2147483647, -2147483647 - 1}) (void)prefix.getPrefix(note, scratchFolder());
  return {};
}

}  // namespace ruvo::fuzz
