// oto.ini as the settings dialog reads and writes it: the lines it would
// write back, read again, give the same entries and other lines whenever the
// file's encoding can hold them (else the write is refused). A file's lines
// share one line end, so a stray CR at the end of a line in an LF file is
// read back as part of the line end; lines are compared without it. A
// UTF-8 file whose written first line begins with U+FEFF reads back as one
// with a byte-order mark: such files are left out.

#include <string>

#include "fuzz/fuzz_targets.h"
#include "voicebank/oto_file.h"

namespace ruvo::fuzz {
namespace {

std::string withoutTrailingCr(std::string text) {
  while (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

std::vector<std::string> normalised(const std::vector<std::string>& lines) {
  std::vector<std::string> kept;
  for (const std::string& line : lines)
    if (std::string bare = withoutTrailingCr(line); !bare.empty()) kept.push_back(std::move(bare));
  return kept;
}

std::vector<std::string> entryLines(const OtoFile& file) {
  std::vector<std::string> lines;
  for (const OtoFileEntry& entry : file.entries()) lines.push_back(entry.line);
  return lines;
}

}  // namespace

std::string otoFile(Bytes bytes) {
  const OtoFile file = OtoFile::fromBytes(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  for (const OtoFileEntry& entry : file.entries())
    if (entry.fields.empty()) return "an entry without a file name field";
  std::vector<std::string> lines = entryLines(file);
  lines.insert(lines.end(), file.otherLines().begin(), file.otherLines().end());
  if (firstUnencodableLine(lines, file.encoding())) return {};
  if (!lines.empty() && lines.front().starts_with("\xEF\xBB\xBF")) return {};
  const OtoFile again = OtoFile::fromBytes(file.bytesWith(lines));
  if (again.encoding() != file.encoding()) return "the encoding changed on a round trip";
  if (normalised(entryLines(again)) != normalised(entryLines(file))) return "entries changed on a round trip";
  if (normalised(again.otherLines()) != normalised(file.otherLines())) return "other lines changed on a round trip";
  return {};
}

}  // namespace ruvo::fuzz
