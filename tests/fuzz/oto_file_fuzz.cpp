// oto.ini as the settings dialog reads and writes it: the lines it would
// write back, read again, give the same entries and other lines whenever the
// file's encoding can hold them (else the write is refused).

#include <string>

#include "fuzz/fuzz_targets.h"
#include "voicebank/oto_file.h"

namespace ruvo::fuzz {

std::string otoFile(Bytes bytes) {
  const OtoFile file = OtoFile::fromBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  std::vector<std::string> lines;
  for (const OtoFileEntry& entry : file.entries()) {
    if (entry.fields.empty()) return "an entry without a file name field";
    lines.push_back(entry.line);
  }
  lines.insert(lines.end(), file.otherLines().begin(), file.otherLines().end());
  if (firstUnencodableLine(lines, file.encoding())) return {};
  const OtoFile again = OtoFile::fromBytes(file.bytesWith(lines));
  if (again.encoding() != file.encoding()) return "the encoding changed on a round trip";
  if (again.entries().size() != file.entries().size()) return "entries changed on a round trip";
  for (size_t i = 0; i < file.entries().size(); ++i)
    if (again.entries()[i].line != file.entries()[i].line || again.entries()[i].fields != file.entries()[i].fields)
      return "entry " + std::to_string(i) + " changed on a round trip";
  if (again.otherLines() != file.otherLines()) return "other lines changed on a round trip";
  return {};
}

}  // namespace ruvo::fuzz
