#pragma once
// The file commands a render script uses: del, mkdir and the binary copy
// that glues a header file and a data file into one WAV file. Operands are
// words as split from the command line (quotes kept); relative paths are
// taken from `folder`, the interpreter's current folder. A failure comes
// back as an error whose message names the file; the script goes on.

#include <string>
#include <vector>

#include "core/error.h"

namespace ruvo::batch {

// Deletes each file. A missing file is no error; a folder is refused.
// Words beginning with '/' of two characters (/Q, /F) are switches and ignored.
[[nodiscard]] Result<void> deleteFiles(const std::string& folder, const std::vector<std::string>& operands);

// Creates each folder with its parents; one that exists already is no error.
[[nodiscard]] Result<void> makeFolders(const std::string& folder, const std::vector<std::string>& operands);

// copy [/Y] a [/B] + b [/B] ... [dest [/B]]: the sources, byte for byte, one
// after the other, into dest. All sources are read before dest is written,
// so dest may be one of them; when any source is missing nothing is written.
// Without dest, several sources are appended into the first one, and a single
// source is copied into the current folder. /A (text mode) is refused.
[[nodiscard]] Result<void> copyFiles(const std::string& folder, const std::vector<std::string>& operands);

}  // namespace ruvo::batch
