#pragma once
// Line-oriented CP932 text files. Reading accepts CR LF and LF line ends (and
// a last line without one); writing always ends every line with CR LF.

#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo {

// Reads the whole file and returns its lines decoded to UTF-8.
[[nodiscard]] Result<std::vector<std::string>> readTextLines(const std::string& path);

// Writes the lines encoded as CP932, each followed by CR LF, replacing the
// file as writeFileBytes does.
[[nodiscard]] Result<void> writeTextLines(const std::string& path, const std::vector<std::string>& lines);

// Raw file access shared by the text and binary readers.
[[nodiscard]] Result<std::string> readFileBytes(const std::string& path);
// Replaces the file without ever leaving it half-written: the bytes go to a
// hidden side file in the same folder (".NAME.XXXXXX"), are flushed to disk
// and then renamed over the file, which keeps its permissions. When anything
// fails (no room, no permission, a size limit) the side file is removed and
// the old file is untouched; a process killed mid-write leaves the old file
// whole and at most a stray side file behind.
[[nodiscard]] Result<void> writeFileBytes(const std::string& path, std::string_view bytes);

// Splits decoded text into lines at LF, dropping a CR before it.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace ruvo
