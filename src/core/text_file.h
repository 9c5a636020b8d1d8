#pragma once
// Line-oriented text files: CP932 for ruvo's own files, the encoding found
// for a voice bank's. Reading accepts CR LF and LF line ends (and
// a last line without one); writing always ends every line with CR LF.

#include <string>
#include <string_view>
#include <vector>

#include "core/error.h"
#include "core/text_codec.h"

namespace ruvo {

// Reads the whole file and returns its lines decoded to UTF-8.
[[nodiscard]] Result<std::vector<std::string>> readTextLines(const std::string& path);

// Writes the lines encoded as CP932, each followed by CR LF, replacing the
// file as writeFileBytes does.
[[nodiscard]] Result<void> writeTextLines(const std::string& path, const std::vector<std::string>& lines);

// A text file of a voice bank as it was found, so that writing it back gives
// the same bytes: its lines (UTF-8), the encoding told by its bytes, its line
// end (CR LF or LF, from the first line end; CR LF when it has none) and
// whether its last line ended with one.
struct TextDocument {
  std::vector<std::string> lines;
  TextEncoding encoding = TextEncoding::Cp932;
  std::string lineEnd = "\r\n";
  bool finalLineEnd = true;
};
// Reads a file whose encoding is told by its bytes (see decodeDetected).
[[nodiscard]] Result<TextDocument> readTextDocument(const std::string& path);
// The same from bytes already read (tests and fuzzing).
TextDocument textDocumentFromBytes(std::string_view bytes);
// The bytes of the document: lines joined by its line end, in its encoding.
std::string textDocumentBytes(const TextDocument& document);
// Replaces the file with the document's bytes as writeFileBytes does.
[[nodiscard]] Result<void> writeTextDocument(const std::string& path, const TextDocument& document);

// Raw file access shared by the text and binary readers.
[[nodiscard]] Result<std::string> readFileBytes(const std::string& path);
// Replaces the file without ever leaving it half-written: the bytes go to a
// hidden side file in the same folder (".NAME.XXXXXX"), are flushed to disk
// and then renamed over the file, which keeps its permissions. When anything
// fails (no room, no permission, a size limit) the side file is removed and
// the old file is untouched; a process killed mid-write leaves the old file
// whole and at most a stray side file behind.
[[nodiscard]] Result<void> writeFileBytes(const std::string& path, std::string_view bytes);
// Replaces the file in the same way with the bytes of `sources` one after
// another, copied block by block rather than held in memory whole. A source
// that cannot be opened or read fails the write with its own error and
// leaves the file untouched.
[[nodiscard]] Result<void> writeFileJoined(const std::string& path, const std::vector<std::string>& sources);

// Splits decoded text into lines at LF, dropping a CR before it.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace ruvo
