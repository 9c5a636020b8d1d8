#pragma once
// Finding the program or script a batch line names, as the batch
// interpreter starts it and as a render checks its tools before running.

#include <optional>
#include <string>

namespace ruvo {

// Finds a program or script: a name holding '/' is taken relative to
// `folder`; a bare name is looked for in `folder` first, then in each entry
// of `searchPath` (':'-separated, as PATH). Only regular files count, and
// only executable ones unless they end in ".bat" or ".cmd".
std::optional<std::string> findProgram(const std::string& name, const std::string& folder, const std::string& searchPath);

// True for a ".bat" or ".cmd" file name, whatever its case.
bool isScriptName(const std::string& path);

}  // namespace ruvo
