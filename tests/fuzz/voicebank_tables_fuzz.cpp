// A voice folder's oto.ini and prefix.map, loaded from files as the editor
// does. The input is the oto.ini text, then a NUL byte and the prefix.map
// text. Every alias and file name read back must be found again.

#include <string>

#include "fuzz/fuzz_targets.h"
#include "fuzz/scratch_folder.h"
#include "song/note_name.h"
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
  for (int note = -1; note < 130; ++note) (void)prefix.getPrefix(note, scratchFolder());
  for (int note : {noteNumberOf(""), 2147483647, -2147483647 - 1}) (void)prefix.getPrefix(note, scratchFolder());
  return {};
}

}  // namespace ruvo::fuzz
