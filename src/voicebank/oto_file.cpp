#include "voicebank/oto_file.h"

#include "core/paths.h"

namespace ruvo {
namespace {

std::vector<std::string> splitAt(std::string_view text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, start)) {
    parts.emplace_back(text.substr(start, at - start));
    start = at + 1;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

}  // namespace

Result<OtoFile> OtoFile::load(const std::string& folder) {
  auto bytes = readFileBytes(joinPath(folder, "oto.ini"));
  if (!bytes) {
    if (bytes.error().code == ErrorCode::NotFound) return OtoFile{};
    return tl::unexpected(bytes.error());
  }
  return fromBytes(*bytes);
}

OtoFile OtoFile::fromBytes(std::string_view bytes) {
  OtoFile file;
  file.m_document = textDocumentFromBytes(bytes);
  for (const std::string& line : file.m_document.lines) {
    if (line.empty()) continue;
    const std::vector<std::string> halves = splitAt(line, '=');
    if (halves.size() != 2) {
      file.m_otherLines.push_back(line);
      continue;
    }
    OtoFileEntry entry{line, {halves[0]}};
    if (halves[1].find(',') != std::string::npos) {
      std::vector<std::string> values = splitAt(halves[1], ',');
      entry.fields.insert(entry.fields.end(), values.begin(), values.end());
    }
    file.m_entries.push_back(std::move(entry));
  }
  return file;
}

std::string OtoFile::bytesWith(const std::vector<std::string>& lines) const {
  TextDocument document = m_document;
  document.lines = lines;
  return textDocumentBytes(document);
}

Result<void> OtoFile::save(const std::string& folder, const std::vector<std::string>& lines) const {
  const std::string path = joinPath(folder, "oto.ini");
  if (auto bad = firstUnencodableLine(lines, m_document.encoding))
    return fail(ErrorCode::BadArgument, path + ": not written: line " + std::to_string(*bad + 1) + " (" +
                                            lines[*bad] + ") holds characters that " +
                                            encodingName(m_document.encoding) + " cannot store");
  TextDocument document = m_document;
  document.lines = lines;
  return writeTextDocument(path, document);
}

std::optional<size_t> firstUnencodableLine(const std::vector<std::string>& lines, TextEncoding encoding) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (encoding == TextEncoding::Cp932 ? cp932ToUtf8(utf8ToCp932(lines[i])) != lines[i]
                                        : !isValidUtf8(lines[i]))
      return i;
  }
  return std::nullopt;
}

}  // namespace ruvo
